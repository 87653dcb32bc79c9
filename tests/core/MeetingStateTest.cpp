#include "state/MeetingState.h"
#include "text/FixedText.h"

#include <gtest/gtest.h>

TEST(MeetingState, StartUpShowsPlaceholdersAndNoPairs) {
    MeetingState state;
    ResetMeeting(state, 9);
    state.TeamSize = {10, 10, 0};
    EXPECT_EQ(state.MemberAbbrev[0][1].str(), fitText(u"Ａ01", 8));
    EXPECT_EQ(state.MemberAbbrev[1][10].str(), fitText(u"Ｂ10", 8));
    EXPECT_EQ(state.TeamNameA, u"未設定です");
    for (int team = 0; team < 2; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int b = 0; b < kSlots; ++b) {
                ASSERT_EQ(state.PairState[team][a][b], PairUnavailable);
            }
        }
    }
}

TEST(MeetingState, ClearingMatchDataKeepsTheRoster) {
    MeetingState state;
    ResetMeeting(state, 0);
    EXPECT_EQ(state.TeamNameA, u"チーム　Ａ");
    EXPECT_EQ(state.TeamNameB, u"チーム  Ｂ");
    state.MeetingTitle = u"春の会";
    state.TeamNameA = u"赤";
    state.MemberAbbrev[0][3] = u"ｽｽﾞｷ";
    state.MemberPhotoNo[1][2] = 12;
    state.MemberStatus[1][2] = 11;
    state.ResultTable[0][3][5] = 6004;
    state.ResultTable[0][3][29] = 77;
    state.setPair(0, 3, 5, PairFinished);
    state.RunningCount = 2;
    state.PickTeam[0] = 1;
    state.IntraTeamFlag = 1;
    ResetMeeting(state, 1);
    EXPECT_EQ(state.MeetingTitle.str(), fitText(u"春の会", 40));
    EXPECT_EQ(state.TeamNameA, u"赤");
    EXPECT_EQ(state.MemberAbbrev[0][3].str(), fitText(u"ｽｽﾞｷ", 8));
    EXPECT_EQ(state.MemberPhotoNo[1][2], 12);
    EXPECT_EQ(state.MemberStatus[1][2], 11);
    EXPECT_EQ(state.ResultTable[0][3][5], 0);
    EXPECT_EQ(state.ResultTable[0][3][29], 77);
    EXPECT_EQ(state.PairState[0][3][5], PairSecondClass);
    EXPECT_EQ(state.RunningCount, 0);
    EXPECT_EQ(state.PickTeam[0], 0);
    EXPECT_EQ(state.IntraTeamFlag, 0);
}

TEST(MeetingState, ReturningFromAnEarlierMeetingRestoresTheCurrentOne) {
    MeetingState state;
    ResetMeeting(state, 0);
    state.MeetingTitle = u"今日の会";
    state.MatchMethod = 1;
    state.TeamSize = {8, 0, 0};
    state.ResultTable[0][1][2] = 6002;
    SaveSnapshot(state);
    state.ViewedMeeting = 1;
    state.MeetingTitle = u"前回の会";
    state.MatchMethod = 0;
    state.TeamSize = {5, 5, 0};
    state.ResultTable[0][1][2] = 0;
    RestoreSnapshot(state);
    EXPECT_EQ(state.MeetingTitle.str(), fitText(u"今日の会", 40));
    EXPECT_EQ(state.MatchMethod, 1);
    EXPECT_EQ(state.TeamSize[0], 8);
    EXPECT_EQ(state.ResultTable[0][1][2], 6002);
}

TEST(MeetingState, RemovingSlotOneOfThreeMovesTheOthersDown) {
    MeetingState state;
    state.RunningCount = 3;
    for (std::int16_t n = 1; n <= 3; ++n) {
        for (int side = 0; side < 2; ++side) {
            state.SlotTeam[side][n] = static_cast<std::int16_t>(side);
            state.SlotMember1[side][n] = static_cast<std::int16_t>(10 * n + side);
            state.SlotMember2[side][n] = static_cast<std::int16_t>(10 * n + side + 5);
        }
    }
    state.CurrentPath = u"club.rly";
    state.RemoveSlot = 1;
    RemoveRunningSlot(state);
    EXPECT_EQ(state.RunningCount, 2);
    EXPECT_EQ(state.SlotMember1[0][1], 20);
    EXPECT_EQ(state.SlotMember2[1][1], 26);
    EXPECT_EQ(state.SlotMember1[1][2], 31);
    EXPECT_EQ(state.OpenName, u"club.rly");
}
