#include "results/Points.h"
#include "MeetingBuilder.h"
#include "results/Ranking.h"
#include "results/ScoreCode.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

const std::array<std::int32_t, kResultColumns>& row(const MeetingState& s, int team, int m) {
    return s.ResultTable[team][m];
}

// Gives a member standings directly: matches, rate, point rate.
void standing(MeetingState& s, int team, int m, int matches, int rate, int points) {
    s.ResultTable[team][m][PlayedCount] = matches;
    s.ResultTable[team][m][WinRate] = rate;
    s.ResultTable[team][m][PointWinRate] = points;
}

std::vector<int> ranks(const MeetingState& s, int team, int column) {
    std::vector<int> result;
    for (int m = 1; m <= s.TeamSize[team]; ++m) {
        result.push_back(s.ResultTable[team][m][column]);
    }
    return result;
}

} // namespace

TEST(Point1Calc, ADrawCountsAsWinAndLoss) {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(1, 3, 1, 3, 4, 6).twoTeam(1, 4, 1, 4, 5, 5);
    MeetingState& s = b.state();
    Point1_calc(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 3);
    EXPECT_EQ(row(s, 0, 1)[WinsLosses], 2002);
    EXPECT_EQ(row(s, 0, 1)[GamesWonLost], 15015);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 50);
    EXPECT_EQ(row(s, 0, 1)[PointWinRate], 50);
    EXPECT_EQ(row(s, 0, 2)[WinsLosses], 1000);
    EXPECT_EQ(row(s, 0, 2)[WinRate], 100);
    EXPECT_EQ(row(s, 0, 2)[PointWinRate], 60);
}

TEST(Point1Calc, RunningForfeitedAndDamagedCellsDoNotCount) {
    MeetingBuilder b(5, 5);
    MeetingState& s = b.state();
    s.ResultTable[0][1][2] = 6004;
    s.setPair(0, 1, 2, PairRunning);
    s.ResultTable[0][1][3] = 6004;
    s.setPair(0, 1, 3, PairUnavailable);
    s.ResultTable[0][1][4] = 6004;
    s.setPair(0, 1, 4, 42);
    s.ResultTable[0][1][5] = -7;
    s.setPair(0, 1, 5, PairFinished);
    s.setPair(0, 2, 3, PairSecondClassBusy);
    s.setPair(0, 2, 4, PairFirstClassBusy);
    Point1_calc(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 0);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 0);
    EXPECT_EQ(s.PairState[0][2][3], PairSecondClassBusy) << "codes from 3 up stay";
    EXPECT_EQ(s.PairState[0][2][4], PairFirstClass) << "codes below 3 go back to 0";
}

TEST(Point1Calc, HugeScoreCodesSaturateInsteadOfOverflowing) {
    MeetingBuilder b(20, 20);
    MeetingState& s = b.state();
    for (int j = 2; j <= 20; ++j) {
        s.ResultTable[0][1][j] = j == 2 ? 5000000 : INT_MAX;
        s.setPair(0, 1, j, PairFinished);
    }
    Point1_calc(s, 0);
    EXPECT_EQ(row(s, 0, 1)[PlayedCount], 19);
    EXPECT_EQ(row(s, 0, 1)[GamesWonLost], INT_MAX);
    EXPECT_EQ(row(s, 0, 1)[WinRate], 100);
    computeTeamTotals(s);
    EXPECT_EQ(row(s, 0, kTotalsRow)[GamesWonLost], INT_MAX);
}

TEST(Percent, RoundsHalvesToEven) {
    EXPECT_EQ(percentOf(1, 8), 12);
    EXPECT_EQ(percentOf(3, 8), 38);
    EXPECT_EQ(percentOf(5, 8), 62);
    EXPECT_EQ(percentOf(2, 3), 67);
    EXPECT_EQ(percentOf(1, 200), 0);
    EXPECT_EQ(percentOf(3, 200), 2);
    EXPECT_EQ(percentOf(5, 0), 0);
}

TEST(TeamTotals, SumBothPartsOfTheMembersColumns) {
    MeetingBuilder b(4, 4);
    b.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 2, 6).twoTeam(1, 3, 2, 4, 5, 5);
    MeetingState& s = b.state();
    Point1_calc(s, 0);
    Point1_calc(s, 1);
    computeTeamTotals(s);
    // Team A's members: 1 (2-1), 2 (1-0), 3 (1-2), 4 (0-1): 4 wins, 4 losses.
    EXPECT_EQ(row(s, 0, kTotalsRow)[WinsLosses], 4004);
    EXPECT_EQ(row(s, 0, kTotalsRow)[WinRate], 50);
    EXPECT_EQ(row(s, 0, kTotalsRow)[GamesWonLost], 26030);
    EXPECT_EQ(row(s, 0, kTotalsRow)[PointWinRate], 46);
    EXPECT_EQ(row(s, 1, kTotalsRow)[GamesWonLost], 30026);
    EXPECT_EQ(teamMatches(s, 0), 6);
}

TEST(Jyuni, CompetitionRanksOverBothTeams) {
    MeetingBuilder b(3, 2);
    MeetingState& s = b.state();
    standing(s, 0, 1, 3, 67, 55);
    standing(s, 0, 2, 3, 67, 60);
    standing(s, 0, 3, 2, 50, 70);
    standing(s, 1, 1, 3, 67, 55);
    standing(s, 1, 2, 3, 0, 0);
    jyuni(s);
    EXPECT_EQ(ranks(s, 0, OverallRank), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(ranks(s, 1, OverallRank), (std::vector<int>{2, 0})) << "both rates 0 keeps rank 0";
    EXPECT_EQ(ranks(s, 0, SexRank), (std::vector<int>{2, 1, 4}));
}

TEST(Jyuni, SexRanksLeaveOutRestingMembers) {
    MeetingBuilder b(4, 1);
    b.woman(0, 1).woman(0, 2).resting(0, 2).resting(0, 3);
    MeetingState& s = b.state();
    standing(s, 0, 1, 2, 50, 50);
    standing(s, 0, 2, 2, 100, 80);
    standing(s, 0, 3, 2, 90, 50);
    standing(s, 0, 4, 2, 10, 40);
    standing(s, 1, 1, 0, 100, 100);
    jyuni(s);
    EXPECT_EQ(ranks(s, 0, OverallRank), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(ranks(s, 0, SexRank), (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(ranks(s, 1, OverallRank), (std::vector<int>{0})) << "never played";
}

TEST(Jyuni, EveryTiedMemberSharesTheRankBeyondTwenty) {
    MeetingBuilder b(20, 20);
    MeetingState& s = b.state();
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= 20; ++m) {
            standing(s, team, m, 4, 50, 50);
        }
    }
    standing(s, 1, 20, 4, 75, 50);
    s.ResultTable[0][5][OverallRank] = 33; // left over from an earlier pass
    jyuni(s);
    EXPECT_EQ(s.ResultTable[1][20][OverallRank], 1);
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= (team == 0 ? 20 : 19); ++m) {
            EXPECT_EQ(s.ResultTable[team][m][OverallRank], 2) << team << "," << m;
        }
    }
}

TEST(Jyuni, DamagedTeamSizesStayInsideTheArrays) {
    MeetingBuilder b(25, -3);
    MeetingState& s = b.state();
    standing(s, 0, 21, 3, 90, 90);
    standing(s, 0, 20, 3, 50, 50);
    jyuni(s);
    Point1_calc(s, 0);
    Point1_calc(s, 1);
    EXPECT_EQ(s.ResultTable[0][21][OverallRank], 0) << "row 21 holds totals, not a member";
}
