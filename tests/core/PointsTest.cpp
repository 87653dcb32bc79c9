#include "results/Points.h"
#include "MeetingBuilder.h"
#include "results/Ranking.h"
#include "results/ScoreCode.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

const std::array<std::int32_t, kResultColumns>& row(const MeetingState& s, int team, int m) {
    return s.resultTable[team][m];
}

// Gives a member standings directly: matches, rate, point rate.
void standing(MeetingState& s, int team, int m, int matches, int rate, int points) {
    s.resultTable[team][m][PlayedCount] = matches;
    s.resultTable[team][m][WinRate] = rate;
    s.resultTable[team][m][PointWinRate] = points;
}

std::vector<int> ranks(const MeetingState& s, int team, int column) {
    std::vector<int> result;
    for (int m = 1; m <= s.teamSize[team]; ++m) {
        result.push_back(s.resultTable[team][m][column]);
    }
    return result;
}

} // namespace

TEST(MemberPoints, ADrawCountsAsWinAndLoss) {
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

TEST(MemberPoints, RunningForfeitedAndDamagedCellsDoNotCount) {
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

TEST(MemberPoints, HugeScoreCodesSaturateInsteadOfOverflowing) {
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

TEST(Ranking, CompetitionRanksOverBothTeams) {
    MeetingBuilder b(3, 2);
    MeetingState& s = b.state();
    standing(s, 0, 1, 3, 67, 55);
    standing(s, 0, 2, 3, 67, 60);
    standing(s, 0, 3, 2, 50, 70);
    standing(s, 1, 1, 3, 67, 55);
    standing(s, 1, 2, 3, 0, 0);
    rankMembers(s);
    EXPECT_EQ(ranks(s, 0, OverallRank), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(ranks(s, 1, OverallRank), (std::vector<int>{2, 0})) << "both rates 0 keeps rank 0";
    EXPECT_EQ(ranks(s, 0, SexRank), (std::vector<int>{2, 1, 4}));
}

TEST(Ranking, SexRanksLeaveOutRestingMembers) {
    MeetingBuilder b(4, 1);
    b.woman(0, 1).woman(0, 2).resting(0, 2).resting(0, 3);
    MeetingState& s = b.state();
    standing(s, 0, 1, 2, 50, 50);
    standing(s, 0, 2, 2, 100, 80);
    standing(s, 0, 3, 2, 90, 50);
    standing(s, 0, 4, 2, 10, 40);
    standing(s, 1, 1, 0, 100, 100);
    rankMembers(s);
    EXPECT_EQ(ranks(s, 0, OverallRank), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(ranks(s, 0, SexRank), (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(ranks(s, 1, OverallRank), (std::vector<int>{0})) << "never played";
}

TEST(Ranking, EveryTiedMemberSharesTheRankBeyondTwenty) {
    MeetingBuilder b(20, 20);
    MeetingState& s = b.state();
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= 20; ++m) {
            standing(s, team, m, 4, 50, 50);
        }
    }
    standing(s, 1, 20, 4, 75, 50);
    s.resultTable[0][5][OverallRank] = 33; // left over from an earlier pass
    rankMembers(s);
    EXPECT_EQ(s.resultTable[1][20][OverallRank], 1);
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= (team == 0 ? 20 : 19); ++m) {
            EXPECT_EQ(s.resultTable[team][m][OverallRank], 2) << team << "," << m;
        }
    }
}

TEST(Ranking, DamagedTeamSizesStayInsideTheArrays) {
    MeetingBuilder b(25, -3);
    MeetingState& s = b.state();
    standing(s, 0, 21, 3, 90, 90);
    standing(s, 0, 20, 3, 50, 50);
    rankMembers(s);
    sumMemberPoints(s, 0);
    sumMemberPoints(s, 1);
    EXPECT_EQ(s.resultTable[0][21][OverallRank], 0) << "row 21 holds totals, not a member";
}
