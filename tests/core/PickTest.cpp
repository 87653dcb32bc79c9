#include "ScriptedPlatform.h"
#include "matching/MatchStart.h"
#include "matching/PairSelection.h"
#include "state/MeetingState.h"

#include <gtest/gtest.h>

namespace {

class PickTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetMeeting(s, ResetTarget::NewMeeting);
        s.meetingCount = 1;
        s.teamSize = {6, 5, 0};
    }
    void use(int method, int intra = 0) {
        s.matchMethod = static_cast<MatchMethod>(method);
        s.intraTeamMode = static_cast<IntraTeamMode>(intra);
    }
    PickOutcome pick(int column, int row) { return selectPair(s, platform, column, row); }
    void expectSide(int side, int team, int first, int second) {
        EXPECT_EQ(s.pickTeam[side], team) << "side " << side;
        EXPECT_EQ(s.pickMember1[side], first) << "side " << side;
        EXPECT_EQ(s.pickMember2[side], second) << "side " << side;
    }
    void expectNoPick() {
        expectSide(0, 0, 0, 0);
        expectSide(1, 0, 0, 0);
    }

    MeetingState s;
    ScriptedPlatform platform;
};

} // namespace

TEST_F(PickTest, RefusedCellsBeepAndChangeNothing) {
    use(1);
    s.setPair(0, 4, 2, PairResting);
    s.setPair(0, 5, 2, PairFinished);
    s.setPair(0, 5, 3, PairRunning);
    s.setPair(0, 6, 3, PairUnavailable);
    struct Case {
        int column;
        int row;
    };
    const Case refused[] = {{3, 3}, {7, 2}, {2, 7}, {0, 2}, {3, 0},
                            {2, 4}, {4, 2}, {5, 2}, {5, 3}, {6, 3}};
    for (const Case& c : refused) {
        EXPECT_EQ(pick(c.column, c.row), PickOutcome::Refused) << c.column << "," << c.row;
    }
    EXPECT_EQ(platform.beepCount(), 10);
    expectNoPick();

    // Every open class (●, □, ★, △) above the diagonal can be picked.
    for (std::int16_t code :
         {PairFirstClass, PairSecondClass, PairFirstClassBusy, PairSecondClassBusy}) {
        s.setPair(0, 2, 1, code);
        EXPECT_TRUE(isPickableCell(s, 2, 1)) << code;
    }
    s.viewedMeeting = 1;
    EXPECT_FALSE(isPickableCell(s, 2, 1));
}

TEST_F(PickTest, TeamSizeOfTheShownTeamLimitsTheCells) {
    use(0);
    s.currentTeam = 1;
    EXPECT_EQ(pick(6, 1), PickOutcome::Refused);
    EXPECT_EQ(pick(5, 1), PickOutcome::Picked);
}

TEST_F(PickTest, TwoTeamDoublesSwitchesToTeamBAndBack) {
    use(0);
    EXPECT_EQ(pick(3, 1), PickOutcome::Picked);
    EXPECT_EQ(s.currentTeam, 1);
    expectSide(0, 0, 3, 1);
    EXPECT_EQ(pick(5, 2), PickOutcome::Complete);
    expectSide(1, 1, 5, 2);
    EXPECT_EQ(s.currentTeam, 1);
    endSelection(s);
    expectNoPick();
    EXPECT_EQ(s.currentTeam, 0);
}

TEST_F(PickTest, TwoTeamDoublesStartingInTeamBGoesToTeamA) {
    use(0);
    s.currentTeam = 1;
    EXPECT_EQ(pick(2, 1), PickOutcome::Picked);
    EXPECT_EQ(s.currentTeam, 0);
    expectSide(1, 1, 2, 1);
    EXPECT_EQ(pick(4, 3), PickOutcome::Complete);
    expectSide(0, 0, 4, 3);
}

TEST_F(PickTest, TwoTeamDoublesSecondPickInTheSameTeamReplacesTheFirst) {
    use(0);
    pick(3, 1);
    s.currentTeam = 0; // the user goes back to team A's tab
    EXPECT_EQ(pick(6, 4), PickOutcome::Picked);
    expectSide(0, 0, 6, 4);
    EXPECT_EQ(s.pickMember1[1], 0);
    EXPECT_EQ(s.currentTeam, 1);
}

TEST_F(PickTest, OneTeamDoublesSharedMemberStartsAgain) {
    struct Case {
        int column;
        int row;
    };
    // The first pick is (4, 2); each second pick shares one member in some position.
    for (const Case& second : {Case{4, 1}, Case{2, 1}, Case{5, 4}, Case{5, 2}}) {
        use(1);
        s.clearPicks();
        EXPECT_EQ(pick(4, 2), PickOutcome::Picked);
        expectSide(0, 0, 4, 2);
        EXPECT_EQ(pick(second.column, second.row), PickOutcome::Picked);
        expectNoPick();
        EXPECT_EQ(s.currentTeam, 0);
    }
    EXPECT_EQ(platform.beepCount(), 0);
}

TEST_F(PickTest, OneTeamDoublesDisjointPairsCompleteInTheShownTeam) {
    for (int intra : {0, 1}) {
        use(intra == 1 ? 0 : 1, intra);
        s.clearPicks();
        s.currentTeam = 1;
        EXPECT_EQ(pick(4, 2), PickOutcome::Picked);
        EXPECT_EQ(s.currentTeam, 1) << "no team switch outside two-team doubles";
        EXPECT_EQ(pick(5, 3), PickOutcome::Complete);
        expectSide(0, 1, 4, 2);
        expectSide(1, 1, 5, 3);
        endSelection(s);
        expectNoPick();
        EXPECT_EQ(s.currentTeam, 1);
    }
}

TEST_F(PickTest, SinglesOneCellInEitherTriangleIsTheMatch) {
    use(2);
    s.currentTeam = 0;
    EXPECT_EQ(pick(2, 5), PickOutcome::Complete);
    expectSide(0, 0, 2, 5);
    expectSide(1, 0, 5, 2);
    ASSERT_TRUE(startMatch(s, platform));
    EXPECT_EQ(s.pairState[0][2][5], PairRunning);
    EXPECT_EQ(s.pairState[0][5][2], PairRunning);
}

TEST_F(PickTest, StartFillsTheNextSlotAndMarksBothPairsRunning) {
    use(0);
    pick(3, 1);
    pick(5, 2);
    ASSERT_TRUE(startMatch(s, platform));
    EXPECT_EQ(s.runningCount, 1);
    EXPECT_EQ(s.slotTeam[0][1], 0);
    EXPECT_EQ(s.slotMember1[0][1], 3);
    EXPECT_EQ(s.slotMember2[0][1], 1);
    EXPECT_EQ(s.slotTeam[1][1], 1);
    EXPECT_EQ(s.slotMember1[1][1], 5);
    EXPECT_EQ(s.slotMember2[1][1], 2);
    for (auto [team, a, b] :
         {std::tuple{0, 3, 1}, std::tuple{0, 1, 3}, std::tuple{1, 5, 2}, std::tuple{1, 2, 5}}) {
        EXPECT_EQ(s.pairState[team][a][b], PairRunning);
    }
    expectNoPick();
}

TEST_F(PickTest, TenMatchesRunAndAnEleventhBeeps) {
    use(2);
    s.teamSize = {20, 0, 0};
    for (int k = 1; k <= 10; ++k) {
        ASSERT_EQ(pick(2 * k, 2 * k - 1), PickOutcome::Complete);
        ASSERT_TRUE(startMatch(s, platform));
        endSelection(s);
    }
    EXPECT_EQ(s.runningCount, 10);
    EXPECT_EQ(s.slotMember1[0][10], 20);
    EXPECT_EQ(platform.beepCount(), 0);

    ASSERT_EQ(pick(3, 1), PickOutcome::Complete);
    EXPECT_FALSE(startMatch(s, platform));
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(s.runningCount, 10);
    EXPECT_EQ(s.pairState[0][3][1], PairFirstClass);
    expectNoPick();
}

TEST_F(PickTest, CancelLetsThePickedMembersGo) {
    use(1);
    pick(4, 2);
    pick(5, 3);
    cancelPairing(s);
    EXPECT_EQ(s.pickMember1[0], 0);
    EXPECT_EQ(s.pickMember2[1], 0);
    EXPECT_EQ(s.runningCount, 0);
    EXPECT_EQ(s.pairState[0][4][2], PairFirstClass);
}
