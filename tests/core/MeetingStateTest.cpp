#include "state/MeetingState.h"
#include "text/FixedText.h"

#include <gtest/gtest.h>

TEST(MeetingState, StartUpShowsPlaceholdersAndNoPairs) {
    MeetingState state;
    resetMeeting(state, ResetTarget::StartUp);
    state.teamSize = {10, 10, 0};
    EXPECT_EQ(state.memberAbbrev[0][1].str(), fitText(u"Ａ01", 8));
    EXPECT_EQ(state.memberAbbrev[1][10].str(), fitText(u"Ｂ10", 8));
    EXPECT_EQ(state.teamNameA, u"未設定です");
    for (int team = 0; team < 2; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int b = 0; b < kSlots; ++b) {
                ASSERT_EQ(state.pairState[team][a][b], PairUnavailable);
            }
        }
    }
}

TEST(MeetingState, ClearingMatchDataKeepsTheRoster) {
    MeetingState state;
    resetMeeting(state, ResetTarget::NewMeeting);
    EXPECT_EQ(state.teamNameA, u"チーム　Ａ");
    EXPECT_EQ(state.teamNameB, u"チーム  Ｂ");
    state.meetingTitle = u"春の会";
    state.teamNameA = u"赤";
    state.memberAbbrev[0][3] = u"ｽｽﾞｷ";
    state.memberPhotoNo[1][2] = 12;
    state.memberStatus[1][2] = 11;
    state.resultTable[0][3][5] = 6004;
    state.resultTable[0][3][29] = 77;
    state.setPair(0, 3, 5, PairFinished);
    state.runningCount = 2;
    state.pickTeam[0] = 1;
    state.intraTeamMode = IntraTeamMode::On;
    resetMeeting(state, ResetTarget::MatchData);
    EXPECT_EQ(state.meetingTitle.str(), fitText(u"春の会", 40));
    EXPECT_EQ(state.teamNameA, u"赤");
    EXPECT_EQ(state.memberAbbrev[0][3].str(), fitText(u"ｽｽﾞｷ", 8));
    EXPECT_EQ(state.memberPhotoNo[1][2], 12);
    EXPECT_EQ(state.memberStatus[1][2], 11);
    EXPECT_EQ(state.resultTable[0][3][5], 0);
    EXPECT_EQ(state.resultTable[0][3][29], 77);
    EXPECT_EQ(state.pairState[0][3][5], PairSecondClass);
    EXPECT_EQ(state.runningCount, 0);
    EXPECT_EQ(state.pickTeam[0], 0);
    EXPECT_EQ(state.intraTeamMode, IntraTeamMode::Off);
}

TEST(MeetingState, ReturningFromAnEarlierMeetingRestoresTheCurrentOne) {
    MeetingState state;
    resetMeeting(state, ResetTarget::NewMeeting);
    state.meetingTitle = u"今日の会";
    state.matchMethod = MatchMethod::OneTeamDoubles;
    state.teamSize = {8, 0, 0};
    state.resultTable[0][1][2] = 6002;
    saveSnapshot(state);
    state.viewedMeeting = 1;
    state.meetingTitle = u"前回の会";
    state.matchMethod = MatchMethod::TwoTeamDoubles;
    state.teamSize = {5, 5, 0};
    state.resultTable[0][1][2] = 0;
    restoreSnapshot(state);
    EXPECT_EQ(state.meetingTitle.str(), fitText(u"今日の会", 40));
    EXPECT_EQ(state.matchMethod, MatchMethod::OneTeamDoubles);
    EXPECT_EQ(state.teamSize[0], 8);
    EXPECT_EQ(state.resultTable[0][1][2], 6002);
}

TEST(MeetingState, RemovingSlotOneOfThreeMovesTheOthersDown) {
    MeetingState state;
    state.runningCount = 3;
    for (std::int16_t n = 1; n <= 3; ++n) {
        for (int side = 0; side < 2; ++side) {
            state.slotTeam[side][n] = static_cast<std::int16_t>(side);
            state.slotMember1[side][n] = static_cast<std::int16_t>(10 * n + side);
            state.slotMember2[side][n] = static_cast<std::int16_t>(10 * n + side + 5);
        }
    }
    state.currentPath = u"club.rly";
    state.removeSlot = 1;
    removeRunningSlot(state);
    EXPECT_EQ(state.runningCount, 2);
    EXPECT_EQ(state.slotMember1[0][1], 20);
    EXPECT_EQ(state.slotMember2[1][1], 26);
    EXPECT_EQ(state.slotMember1[1][2], 31);
    EXPECT_EQ(state.openName, u"club.rly");
}
