#include "matching/RunningList.h"
#include "ScriptedPlatform.h"
#include "state/MeetingState.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 8000;
constexpr int kHeight = 6000;

class RunningListTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetMeeting(s, ResetTarget::NewMeeting);
        s.meetingCount = 1;
        s.teamSize = {8, 8, 0};
        s.teamNameA = u"青組";
        s.teamNameB = u"赤組";
        for (int slot = 1; slot <= 8; ++slot) {
            s.memberAbbrev[0][slot] = u"あ" + std::u16string(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[1][slot] = u"べ" + std::u16string(1, static_cast<char16_t>(u'0' + slot));
        }
    }
    // Adds a running match of side 0 = (a0, b0) and side 1 = (a1, b1).
    void run(int team0, int a0, int b0, int team1, int a1, int b1) {
        const int k = ++s.runningCount;
        s.slotTeam[0][k] = static_cast<std::int16_t>(team0);
        s.slotMember1[0][k] = static_cast<std::int16_t>(a0);
        s.slotMember2[0][k] = static_cast<std::int16_t>(b0);
        s.slotTeam[1][k] = static_cast<std::int16_t>(team1);
        s.slotMember1[1][k] = static_cast<std::int16_t>(a1);
        s.slotMember2[1][k] = static_cast<std::int16_t>(b1);
    }
    GridModel list() { return buildRunningList(s, kWidth, kHeight); }

    MeetingState s;
    ScriptedPlatform platform;
};

} // namespace

TEST_F(RunningListTest, EmptyListHasFourRowsAndEveryChoiceBeeps) {
    const GridModel grid = list();
    ASSERT_EQ(grid.rows, 4);
    ASSERT_EQ(grid.columns, 5);
    EXPECT_EQ(grid.at(0, 0), u"");
    EXPECT_EQ(grid.at(0, 3), u"ＶＳ");
    for (int row = 1; row < 4; ++row) {
        EXPECT_EQ(grid.at(row, 0), std::u16string(1, static_cast<char16_t>(u'0' + row)));
        for (int column = 1; column < 5; ++column) {
            EXPECT_EQ(grid.at(row, column), u"");
        }
    }
    EXPECT_EQ(grid.rowHeights, std::vector<int>(4, kHeight / 4));
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{800, 5, 3200, 800, 3200}));
    EXPECT_EQ(grid.centred, (std::vector<bool>{false, true, true, true, true}));
    for (int row : {0, 1, 3}) {
        EXPECT_FALSE(chooseRunningMatch(s, platform, row));
        EXPECT_EQ(s.removeSlot, row);
    }
    EXPECT_EQ(platform.beepCount(), 3);
    EXPECT_EQ(s.pickMember1[0], 0);
}

TEST_F(RunningListTest, RowCountAndHeightDivisor) {
    struct Case {
        int running;
        int rows;
        int divisor;
    };
    for (const Case c :
         {Case{3, 4, 4}, Case{4, 5, 5}, Case{5, 6, 6}, Case{7, 8, 6}, Case{10, 11, 6}}) {
        s.runningCount = 0;
        for (int k = 0; k < c.running; ++k) {
            run(0, 2, 1, 1, 2, 1);
        }
        const GridModel grid = list();
        EXPECT_EQ(grid.rows, c.rows) << c.running;
        EXPECT_EQ(grid.rowHeights.front(), kHeight / c.divisor) << c.running;
        EXPECT_EQ(toUtf8(grid.at(c.rows - 1, 0)), std::to_string(c.rows - 1));
    }
}

TEST_F(RunningListTest, HeadingsFollowTheMatchMethod) {
    struct Case {
        int method;
        int intra;
        int shownTeam;
        std::u16string left;
        std::u16string right;
    };
    const Case cases[] = {
        {0, 0, 1, u"☆ チーム Ａ ☆\n\r青組", u"☆ チーム Ｂ ☆\n\r赤組"},
        {0, 1, 1, u"☆ チーム Ａ ☆\n\r青組", u"☆ チーム Ｂ ☆\n\r赤組"},
        {1, 0, 0, u"☆ チーム Ａ ☆\n\r青組", u"☆ チーム Ａ ☆\n\r青組"},
        {1, 0, 1, u"☆ チーム Ｂ ☆\n\r赤組", u"☆ チーム Ｂ ☆\n\r赤組"},
        {2, 0, 1, u"☆☆☆☆☆☆\n\r青組", u"☆☆☆☆☆☆\n\r青組"},
    };
    for (const Case& c : cases) {
        s.matchMethod = static_cast<MatchMethod>(c.method);
        s.intraTeamMode = static_cast<IntraTeamMode>(c.intra);
        s.currentTeam = static_cast<std::int16_t>(c.shownTeam);
        const GridModel grid = list();
        EXPECT_EQ(grid.at(0, 2), c.left) << c.method << c.intra << c.shownTeam;
        EXPECT_EQ(grid.at(0, 4), c.right) << c.method << c.intra << c.shownTeam;
    }
}

TEST_F(RunningListTest, SideCellsHoldTwoNamesInDoublesAndOneInSingles) {
    s.matchMethod = MatchMethod::TwoTeamDoubles;
    s.intraTeamMode = IntraTeamMode::On;
    run(0, 4, 2, 0, 5, 3);
    GridModel grid = list();
    EXPECT_EQ(grid.at(1, 2), u"あ4      \n\rあ2      ");
    EXPECT_EQ(grid.at(1, 4), u"あ5      \n\rあ3      ");
    EXPECT_EQ(grid.at(1, 3), u"");

    s.matchMethod = MatchMethod::OneTeamSingles;
    s.intraTeamMode = IntraTeamMode::Off;
    s.runningCount = 0;
    run(0, 6, 1, 0, 1, 6);
    grid = list();
    EXPECT_EQ(grid.at(1, 2), u"あ6      ");
    EXPECT_EQ(grid.at(1, 4), u"あ1      ");
}

TEST_F(RunningListTest, FirstNameIsCutAtItsFirstNul) {
    s.matchMethod = MatchMethod::OneTeamDoubles;
    s.memberAbbrev[0][4] = std::u16string(u"北\0\0\0\0\0\0\0", 8);
    run(0, 4, 2, 0, 5, 3);
    EXPECT_EQ(list().at(1, 2), u"北\n\rあ2      ");
}

TEST_F(RunningListTest, ChoosingAMatchCopiesItsSlotIntoThePicks) {
    run(0, 2, 1, 1, 4, 3);
    run(0, 6, 5, 1, 8, 7);
    ASSERT_TRUE(chooseRunningMatch(s, platform, 2));
    EXPECT_EQ(s.removeSlot, 2);
    EXPECT_EQ(s.pickTeam[0], 0);
    EXPECT_EQ(s.pickMember1[0], 6);
    EXPECT_EQ(s.pickMember2[0], 5);
    EXPECT_EQ(s.pickTeam[1], 1);
    EXPECT_EQ(s.pickMember1[1], 8);
    EXPECT_EQ(s.pickMember2[1], 7);
    EXPECT_FALSE(chooseRunningMatch(s, platform, 3));
    EXPECT_EQ(platform.beepCount(), 1);
}

TEST_F(RunningListTest, NoMatchIsChosenWhileAnEarlierMeetingIsShown) {
    run(0, 2, 1, 1, 4, 3);
    s.meetingCount = 2;
    s.viewedMeeting = 1;
    s.removeSlot = 0;
    EXPECT_FALSE(chooseRunningMatch(s, platform, 1));
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{u"前回表示中です。表示を戻してから実行して下さい。"});
    EXPECT_EQ(s.removeSlot, 0);
    EXPECT_EQ(s.pickMember1[0], 0);
}

TEST_F(RunningListTest, OpeningMarksTheViewState) {
    openRunningList(s);
    EXPECT_EQ(s.viewState, ViewState::RunningList);
}
