#include "results/Points.h"
#include "MeetingBuilder.h"
#include "results/ScoreCode.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const std::array<std::int32_t, kResultColumns>& row(const MeetingState& s, int team, int m) {
    return s.resultTable[team][m];
}

} // namespace

TEST(Points, ADrawCountsAsWinAndLoss) {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(1, 3, 1, 3, 4, 6).twoTeam(1, 4, 1, 4, 5, 5);
    MeetingState& s = b.state();
    sumMemberPoints(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 3);
    EXPECT_EQ(row(s, 0, 1)[WinsLosses], 2002);
    EXPECT_EQ(row(s, 0, 1)[GamesWonLost], 15015);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 50);
    EXPECT_EQ(row(s, 0, 1)[PointWinRate], 50);
    EXPECT_EQ(row(s, 0, 2)[WinsLosses], 1000);
    EXPECT_EQ(row(s, 0, 2)[WinRate], 100);
    EXPECT_EQ(row(s, 0, 2)[PointWinRate], 60);
}

TEST(Points, RunningForfeitedAndDamagedCellsDoNotCount) {
    MeetingBuilder b(5, 5);
    MeetingState& s = b.state();
    s.resultTable[0][1][2] = 6004;
    s.setPair(0, 1, 2, PairRunning);
    s.resultTable[0][1][3] = 6004;
    s.setPair(0, 1, 3, PairUnavailable);
    s.resultTable[0][1][4] = 6004;
    s.setPair(0, 1, 4, 42);
    s.resultTable[0][1][5] = -7;
    s.setPair(0, 1, 5, PairFinished);
    s.setPair(0, 2, 3, PairSecondClassBusy);
    s.setPair(0, 2, 4, PairFirstClassBusy);
    sumMemberPoints(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 0);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 0);
    EXPECT_EQ(s.pairState[0][2][3], PairSecondClassBusy) << "codes from 3 up stay";
    EXPECT_EQ(s.pairState[0][2][4], PairFirstClass) << "codes below 3 go back to 0";
}

TEST(Points, HugeScoreCodesSaturateInsteadOfOverflowing) {
    MeetingBuilder b(20, 20);
    MeetingState& s = b.state();
    for (int j = 2; j <= 20; ++j) {
        s.resultTable[0][1][j] = j == 2 ? 5000000 : INT_MAX;
        s.setPair(0, 1, j, PairFinished);
    }
    sumMemberPoints(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 19);
    EXPECT_EQ(row(s, 0, 1)[GamesWonLost], INT_MAX);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 100);
    computeTeamTotals(s);
    EXPECT_EQ(row(s, 0, kTotalsRow)[GamesWonLost], INT_MAX);
}

TEST(Points, TeamTotalsSumBothPartsOfTheMembersColumns) {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 2, 6).twoTeam(1, 3, 2, 4, 5, 5);
    MeetingState& s = b.state();
    sumMemberPoints(s, 0);
    sumMemberPoints(s, 1);
    computeTeamTotals(s);
    // Team A's members: 1 (2-1), 2 (1-0), 3 (1-2), 4 (0-1): 4 wins, 4 losses.
    EXPECT_EQ(row(s, 0, kTotalsRow)[WinsLosses], 4004);
    EXPECT_EQ(row(s, 0, kTotalsRow)[WinRate], 50);
    EXPECT_EQ(row(s, 0, kTotalsRow)[GamesWonLost], 26030);
    EXPECT_EQ(row(s, 0, kTotalsRow)[PointWinRate], 46);
    EXPECT_EQ(row(s, 1, kTotalsRow)[GamesWonLost], 30026);
    EXPECT_EQ(teamMatches(s, 0), 6);
}
