#include "MatchFixture.h"

#include "app/MeetingFileCommands.h"
#include "app/ResultCorrection.h"

namespace {

class CorrectionTest : public MatchFixture {
protected:
    // Team A's pair (3, 1) finished 6-4; the cell of column 3, row 1 is corrected.
    void SetUp() override {
        MatchFixture::SetUp();
        finish(state(), 6004);
        ASSERT_TRUE(saveMeeting(program(), SaveTarget::Meeting));
        state().correctionCell = {3, 1};
    }
    static void finish(MeetingState& s, std::int32_t code) {
        s.resultTable[0][3][1] = code;
        s.resultTable[0][1][3] = code;
        s.setPair(0, 3, 1, PairFinished);
    }
};

} // namespace

TEST_F(CorrectionTest, LoadShowsTheCellAndItsMembers) {
    state().teamNameB = u"赤組";
    CorrectionView view = loadCorrection(state());
    EXPECT_EQ(view.teamName, state().teamNameA);
    EXPECT_EQ(view.won, u"6");
    EXPECT_EQ(view.lost, u"4");
    EXPECT_EQ(view.member, FixedText<8>(u"Ａ甲3").str());
    EXPECT_EQ(view.otherMember, FixedText<8>(u"Ａ甲1").str());
    EXPECT_FALSE(view.singles);

    state().currentTeam = 1;
    state().matchMethod = MatchMethod::OneTeamSingles;
    view = loadCorrection(state());
    EXPECT_EQ(view.teamName, u"赤組");
    EXPECT_EQ(view.won, u"0");
    EXPECT_EQ(view.lost, u"0");
    EXPECT_EQ(view.otherMember, FixedText<8>(u"Ｂ乙1").str());
    EXPECT_TRUE(view.singles);
}

TEST_F(CorrectionTest, SixFourToSevenFiveInDoubles) {
    ASSERT_TRUE(correctResult(program(), u"7", u"5"));
    EXPECT_EQ(state().resultTable[0][3][1], 7005);
    EXPECT_EQ(state().resultTable[0][1][3], 7005);
    EXPECT_EQ(state().pairState[0][3][1], PairFinished);
    EXPECT_EQ(state().pairState[0][1][3], PairFinished);
    EXPECT_EQ(storedResult(record(1), 0, 1, 3), 7005);
    EXPECT_NE(logText().find(u"訂正 (Ａ甲3      +Ａ甲1      ) 6:4 -> 7:5"), std::u16string::npos);
}

TEST_F(CorrectionTest, SinglesMirrorsTheScoreForTheOpponent) {
    state().matchMethod = MatchMethod::OneTeamSingles;
    ASSERT_TRUE(correctResult(program(), u"3", u"6"));
    EXPECT_EQ(state().resultTable[0][3][1], 3006);
    EXPECT_EQ(state().resultTable[0][1][3], 6003);
    // The second name is written in singles too.
    EXPECT_NE(logText().find(u"訂正 (Ａ甲3      +Ａ甲1      ) 6:4 -> 3:6"), std::u16string::npos);
}

TEST_F(CorrectionTest, ZeroAndZeroDeletesTheResult) {
    ASSERT_TRUE(correctResult(program(), u"0", u"0"));
    EXPECT_EQ(state().resultTable[0][3][1], 0);
    EXPECT_EQ(state().resultTable[0][1][3], 0);
    EXPECT_EQ(state().pairState[0][3][1], PairFirstClass);
    EXPECT_EQ(state().pairState[0][1][3], PairFirstClass);
    EXPECT_EQ(storedPair(record(1), 0, 3, 1), PairFirstClass);
    EXPECT_NE(logText().find(u"6:4 -> 0:0"), std::u16string::npos);
}

TEST_F(CorrectionTest, NumbersBeyondTheLimitsAreRefused) {
    struct Case {
        std::u16string won;
        std::u16string lost;
    };
    for (const Case& c : {Case{u"1000", u"0"}, Case{u"0", u"1000"}, Case{u"99999999999", u"1"},
                          Case{u"-99999999", u"0"}}) {
        EXPECT_FALSE(correctResult(program(), c.won, c.lost));
        EXPECT_EQ(state().resultTable[0][3][1], 6004);
        EXPECT_EQ(state().resultTable[0][1][3], 6004);
    }
    EXPECT_EQ(platform_.beepCount(), 4);
    EXPECT_EQ(logText().find(u"訂正"), std::u16string::npos);
}

TEST_F(CorrectionTest, NegativeAndFractionalNumbersPass) {
    ASSERT_TRUE(correctResult(program(), u"-1", u"0"));
    EXPECT_EQ(state().resultTable[0][3][1], -1000);
    EXPECT_EQ(state().pairState[0][3][1], PairFinished);
    ASSERT_TRUE(correctResult(program(), u"2.5", u"0"));
    EXPECT_EQ(state().resultTable[0][3][1], 2500);
}

TEST_F(CorrectionTest, AnEarlierMeetingIsSavedIntoItsOwnRecord) {
    MeetingState& s = state();
    // Meeting 2 is current, with a result of its own.
    s.meetingCount = 2;
    finish(s, 0);
    s.setPair(0, 3, 1, PairSecondClass);
    s.resultTable[0][5][4] = 2006;
    ASSERT_TRUE(saveMeeting(program(), SaveTarget::MeetingAndCount));

    saveSnapshot(s);
    s.viewedMeeting = 1;
    ASSERT_TRUE(readMeeting(program(), 1));
    ASSERT_EQ(s.resultTable[0][3][1], 6004);
    ASSERT_TRUE(correctResult(program(), u"7", u"5"));

    EXPECT_EQ(storedResult(record(1), 0, 3, 1), 7005);
    EXPECT_EQ(record(1).count(), 2);
    const MeetingRecord current = record(2);
    EXPECT_EQ(storedResult(current, 0, 3, 1), 0);
    EXPECT_EQ(storedResult(current, 0, 5, 4), 2006);
}
