#include "MatchFixture.h"

#include "app/MatchRelease.h"
#include "app/ResultEntry.h"

namespace {

class ResultEntryTest : public MatchFixture {
protected:
    // Team A's pair (3, 1) against team B's pair (5, 2), as slot 1.
    void runDoubles() { startRunning(0, 3, 1, 1, 5, 2); }

    void expectUnchanged() {
        EXPECT_EQ(state().runningCount, 1);
        EXPECT_EQ(state().resultTable[0][3][1], 0);
        EXPECT_EQ(state().resultTable[1][5][2], 0);
        EXPECT_EQ(state().pairState[0][3][1], PairRunning);
        EXPECT_EQ(state().pairState[1][2][5], PairRunning);
    }
};

} // namespace

TEST_F(ResultEntryTest, ScoreKeysAboveCharacterCodeSixtyFiveAreDiscarded) {
    for (char16_t key : {u'0', u'9', u'\b', u'\r', u' ', u'.', u'-', u'A'}) {
        EXPECT_TRUE(acceptsScoreKey(key)) << static_cast<int>(key);
    }
    for (char16_t key : {u'B', u'a', u'e', u'６', u'〇'}) {
        EXPECT_FALSE(acceptsScoreKey(key)) << static_cast<int>(key);
    }
}

TEST_F(ResultEntryTest, SixFourInDoublesStoresBothPairsAndLogsTheMatch) {
    runDoubles();
    ASSERT_TRUE(enterResult(program(), u"6", u"4"));
    const MeetingState& s = state();
    EXPECT_EQ(s.resultTable[0][3][1], 6004);
    EXPECT_EQ(s.resultTable[0][1][3], 6004);
    EXPECT_EQ(s.resultTable[1][5][2], 4006);
    EXPECT_EQ(s.resultTable[1][2][5], 4006);
    EXPECT_EQ(s.pairState[0][3][1], PairFinished);
    EXPECT_EQ(s.pairState[0][1][3], PairFinished);
    EXPECT_EQ(s.pairState[1][5][2], PairFinished);
    EXPECT_EQ(s.pairState[1][2][5], PairFinished);
    EXPECT_EQ(s.runningCount, 0);
    EXPECT_EQ(platform_.beepCount(), 0);

    const std::u16string line = resultLogLine(s, 6, 4);
    EXPECT_EQ(line, u"結果 (Ａ甲3+Ａ甲1) ＶＳ (Ｂ乙5+Ｂ乙2) 6 : 4 ");
    // The log keeps 80 bytes of each entry: the whole line, score included.
    EXPECT_NE(logText().find(line), std::u16string::npos);

    const MeetingRecord r = record(1);
    EXPECT_EQ(storedResult(r, 0, 3, 1), 6004);
    EXPECT_EQ(storedResult(r, 0, 1, 3), 6004);
    EXPECT_EQ(storedResult(r, 1, 5, 2), 4006);
    EXPECT_EQ(storedResult(r, 1, 2, 5), 4006);
    EXPECT_EQ(storedPair(r, 1, 2, 5), PairFinished);
}

TEST_F(ResultEntryTest, OutOfRangeScoresAreRefused) {
    struct Case {
        std::u16string left;
        std::u16string right;
    };
    const Case refused[] = {{u"0", u"0"},           {u"", u""},     {u"1000", u"2"},
                            {u"2", u"1000"},        {u"-1", u"3"},  {u"3", u"-2"},
                            {u"99999999999", u"1"}, {u"0.4", u"0"}, {u"1e300", u"1"}};
    runDoubles();
    for (const Case& c : refused) {
        EXPECT_FALSE(enterResult(program(), c.left, c.right));
        expectUnchanged();
    }
    EXPECT_EQ(platform_.beepCount(), static_cast<int>(std::size(refused)));
    EXPECT_EQ(logText().find(u"結果"), std::u16string::npos);
}

TEST_F(ResultEntryTest, AcceptedScoresRoundHalfToEven) {
    struct Case {
        std::u16string left;
        std::u16string right;
        std::int32_t code0;
        std::int32_t code1;
    };
    const Case cases[] = {{u"3", u"3", 3003, 3003},        {u"2.5", u"1", 2001, 1002},
                          {u"3.5", u"0", 4000, 4},         {u"999", u"0", 999000, 999},
                          {u" 7 games", u"5", 7005, 5007}, {u"0", u"1", 1, 1000}};
    for (const Case& c : cases) {
        state().runningCount = 0;
        runDoubles();
        ASSERT_TRUE(enterResult(program(), c.left, c.right));
        EXPECT_EQ(state().resultTable[0][1][3], c.code0);
        EXPECT_EQ(state().resultTable[1][2][5], c.code1);
    }
}

TEST_F(ResultEntryTest, SinglesWritesOnlyTheTwoDirectedCells) {
    state().matchMethod = MatchMethod::OneTeamSingles;
    startRunning(0, 2, 5, 0, 5, 2);
    ASSERT_TRUE(enterResult(program(), u"6", u"3"));
    const MeetingState& s = state();
    EXPECT_EQ(s.resultTable[0][2][5], 6003);
    EXPECT_EQ(s.resultTable[0][5][2], 3006);
    int written = 0;
    for (int team = 0; team < kTeams; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int k = 1; k <= kMaxTeamSize; ++k) {
                written += s.resultTable[team][a][k] != 0 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(written, 2);
    EXPECT_EQ(s.pairState[0][2][5], PairFinished);
    EXPECT_EQ(resultLogLine(s, 6, 3), u"結果 (Ａ甲2) ＶＳ (Ａ甲5) 6 : 3 ");
}

TEST_F(ResultEntryTest, PartnerWhoseNameIsOneBlankIsLeftOut) {
    runDoubles();
    state().memberAbbrev[0][1] = std::u16string(u" \0\0\0\0\0\0\0", 8);
    EXPECT_EQ(resultLogLine(state(), 1, 0), u"結果 (Ａ甲3) ＶＳ (Ｂ乙5+Ｂ乙2) 1 : 0 ");
}

TEST_F(ResultEntryTest, CancelReturnsThePairsWithoutResultOrLog) {
    runDoubles();
    const std::u16string logBefore = logText();
    cancelMatch(program());
    EXPECT_EQ(state().runningCount, 0);
    EXPECT_EQ(state().pairState[0][3][1], PairFirstClass);
    EXPECT_EQ(state().pairState[1][2][5], PairFirstClass);
    EXPECT_EQ(state().resultTable[0][3][1], 0);
    EXPECT_EQ(logText(), logBefore);
    EXPECT_EQ(storedPair(record(1), 0, 1, 3), PairFirstClass);
}

TEST_F(ResultEntryTest, ForfeitClosesThePairsWithoutResultOrLog) {
    runDoubles();
    const std::u16string logBefore = logText();
    forfeitMatch(program());
    EXPECT_EQ(state().runningCount, 0);
    EXPECT_EQ(state().pairState[0][3][1], PairUnavailable);
    EXPECT_EQ(state().pairState[1][5][2], PairUnavailable);
    EXPECT_EQ(state().resultTable[1][5][2], 0);
    EXPECT_EQ(logText(), logBefore);
    const MeetingRecord r = record(1);
    EXPECT_EQ(storedPair(r, 0, 3, 1), PairUnavailable);
    EXPECT_EQ(storedPair(r, 1, 2, 5), PairUnavailable);
}

TEST_F(ResultEntryTest, ReleasingMatchTwoOfThreeMovesTheThirdUp) {
    startRunning(0, 2, 1, 1, 2, 1);
    startRunning(0, 4, 3, 1, 4, 3);
    startRunning(0, 6, 5, 1, 6, 5);
    state().pickTeam = {0, 1, 0};
    state().pickMember1 = {4, 4, 0};
    state().pickMember2 = {3, 3, 0};
    state().removeSlot = 2;
    cancelMatch(program());
    EXPECT_EQ(state().runningCount, 2);
    EXPECT_EQ(state().slotMember1[0][2], 6);
    EXPECT_EQ(state().slotMember2[1][2], 5);
    // The running pairs that remain are stored as open pairs.
    EXPECT_EQ(storedPair(record(1), 0, 6, 5), PairFirstClass);
    EXPECT_EQ(state().pairState[0][6][5], PairRunning);
}
