#include "results/Ranking.h"
#include "MeetingBuilder.h"
#include "results/Points.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
