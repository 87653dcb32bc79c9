#include "matching/PairPriorities.h"
#include "MeetingBuilder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void setPlayed(MeetingState& s, int team, std::vector<int> counts) {
    for (std::size_t m = 0; m < counts.size(); ++m) {
        s.resultTable[team][m + 1][PlayedCount] = counts[m];
    }
}

// The upper triangle of a team's codes as rows of digits, row i listing the
// pairs (i, j) for j > i.
std::vector<std::string> upper(const MeetingState& s, int team) {
    std::vector<std::string> rows;
    for (int i = 1; i <= s.teamSize[team]; ++i) {
        std::string row;
        for (int j = i + 1; j <= s.teamSize[team]; ++j) {
            row += static_cast<char>('0' + s.pairState[team][i][j]);
        }
        rows.push_back(row);
    }
    return rows;
}

void expectSymmetric(const MeetingState& s, int team) {
    for (int i = 1; i <= s.teamSize[team]; ++i) {
        for (int j = 1; j <= s.teamSize[team]; ++j) {
            EXPECT_EQ(s.pairState[team][i][j], s.pairState[team][j][i]) << i << "," << j;
        }
    }
}

} // namespace

TEST(PairPriorities, NobodyPlayedMakesEveryFreePairFirstClass) {
    MeetingBuilder b(4, 3);
    b.resting(0, 4);
    MeetingState& s = b.state();
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"004", "04", "4", ""}));
    expectSymmetric(s, 0);
    EXPECT_EQ(s.pairState[0][1][1], PairSecondClass) << "the diagonal is never promoted";
    EXPECT_EQ(s.pairState[0][4][4], PairResting);
    EXPECT_EQ(s.pairState[1][1][2], PairFirstClass) << "the other team is untouched";
}

TEST(PairPriorities, OneLeastPlayedMemberIsPairedWithTheSecondLeast) {
    MeetingBuilder b(5, 5);
    MeetingState& s = b.state();
    setPlayed(s, 0, {0, 1, 1, 2, 1});
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"0010", "111", "11", "1", ""}));
    expectSymmetric(s, 0);
}

TEST(PairPriorities, RestingRowsKeepPermanentCodes) {
    MeetingBuilder b(4, 4);
    b.resting(0, 2).forfeit(0, 2, 4);
    MeetingState& s = b.state();
    s.setPair(0, 2, 3, PairFinished);
    setPlayed(s, 0, {0, 0, 1, 1});
    markPriorities(s, 0);
    // Member 2 rests: 1 is the only least-played free member, 3 and 4 second.
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"400", "59", "1", ""}));
    expectSymmetric(s, 0);
}

TEST(PairPriorities, EqualCountsWithEveryLeastPairClosedPromoteNothing) {
    MeetingBuilder b(3, 3);
    MeetingState& s = b.state();
    s.setPair(0, 1, 2, PairFinished);
    s.setPair(0, 1, 3, PairRunning);
    s.setPair(0, 2, 3, PairUnavailable);
    setPlayed(s, 0, {1, 1, 1});
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"58", "9", ""}));
}

TEST(PairPriorities, RunningMembersMakeBusyPairs) {
    MeetingBuilder b(5, 5);
    b.runningTwoTeam(1, 2, 1, 2);
    MeetingState& s = b.state();
    // In team A the running match already counts as played: 3 and 4 are the
    // least played, and the pairs of 1 and 2 are ordinary but busy.
    setPlayed(s, 0, {1, 1, 0, 0, 2});
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"8333", "333", "01", "1", ""}));
    // In team B everybody is least played, so the busy pairs show as first
    // class and busy.
    markPriorities(s, 1);
    EXPECT_EQ(upper(s, 1), (std::vector<std::string>{"8222", "222", "00", "0", ""}));
}

TEST(PairPriorities, BothSidesOfAOneTeamMatchAreBusy) {
    MeetingBuilder b(5, 0, 1);
    MeetingState& s = b.state();
    s.runningCount = 1;
    s.slotMember1[0][1] = 2;
    s.slotMember2[0][1] = 1;
    s.slotMember1[1][1] = 4;
    s.slotMember2[1][1] = 3;
    s.setPair(0, 1, 2, PairRunning);
    s.setPair(0, 3, 4, PairRunning);
    setPlayed(s, 0, {1, 1, 1, 1, 0});
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"8332", "332", "82", "2", ""}));
}

TEST(PairPriorities, ASingleFreeMemberOrAllRestingPromoteNothing) {
    MeetingBuilder b(3, 3);
    b.resting(0, 1).resting(0, 2);
    MeetingState& s = b.state();
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"44", "4", ""}));
    b.resting(0, 3);
    markPriorities(s, 0);
    EXPECT_EQ(upper(s, 0), (std::vector<std::string>{"44", "4", ""}));
}

TEST(PairPriorities, DamagedSizesCountsAndSlotsStayInsideTheArrays) {
    MeetingBuilder b(25, -3);
    MeetingState& s = b.state();
    s.pairState[0][21][1] = 0;
    s.resultTable[0][1][PlayedCount] = 999;
    s.runningCount = 30;
    s.slotTeam[0][1] = 0;
    s.slotMember1[0][1] = 300;
    s.slotMember2[0][1] = -4;
    markPriorities(s, 0);
    markPriorities(s, 1);
    markPriorities(s, 7);
    EXPECT_EQ(s.pairState[0][21][1], 0) << "member 21 is outside any team";
    EXPECT_EQ(s.pairState[0][1][2], PairSecondClass) << "a count of 999 never qualifies";
    EXPECT_EQ(s.pairState[0][2][3], PairFirstClass);
}
