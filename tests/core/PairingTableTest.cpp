#include "matching/PairingTable.h"
#include "MeetingBuilder.h"
#include "matching/MainView.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::u16string> rowsOf(const GridModel& grid) {
    std::vector<std::u16string> rows;
    for (int r = 0; r < grid.rows; ++r) {
        std::u16string line;
        for (int c = 0; c < grid.columns; ++c) {
            line += (c == 0 ? u"" : u"|") + grid.at(r, c);
        }
        rows.push_back(line);
    }
    return rows;
}

MainView draw(MeetingState& s, int displayMode = 1) {
    MainView view;
    buildPairingTable(s, view, displayMode);
    return view;
}

} // namespace

TEST(PairingTable, WholeTableOfASmallTwoTeamMeeting) {
    MeetingBuilder b(3, 2);
    b.twoTeam(1, 2, 1, 2, 6, 4).forfeit(0, 1, 3);
    MeetingState& s = b.state();
    const MainView view = draw(s);
    const std::vector<std::u16string> expected{
        u"|A1      |A2      |A3      ||[合計]",
        u"A1      |＼＼| 6:4|  ×||   1 ",
        u"A2      | 6:4|＼＼|  ●||   1 ",
        u"A3      |||＼＼||   0 ",
        u"||||| ",
        u"試合数|   1 |   1 |   0 ||  2 ",
        u"勝：敗| 1:0 | 1:0 | 0:0 ||2:0 ",
        u"ﾎﾟｲﾝﾄ| 6:4 | 6:4 | 0:0 ||12:8 ",
        u"勝率| 100%| 100%| 00%|| 100%",
        u"ﾎﾟｲﾝﾄ勝率| 60%| 60%| 00%|| 60%",
        u"男女順位|   1 |   1 |   0 || ",
        u"総合順位|   1|   1|   0| | ",
    };
    EXPECT_EQ(rowsOf(view.grid), expected);
    EXPECT_EQ(view.caption, u"　　ラリーノートメイン" + std::u16string(26, u' ') + u"テニスの試合" +
                                std::u16string(34, u' '));
    EXPECT_EQ(view.fileLabel, u"ﾌｧｲﾙ名称：club.rly");
    EXPECT_EQ(view.teamLabel, u"☆ チーム　Ａ ☆");
    EXPECT_EQ(view.meetingLabel, u"開催回数: 1");
    EXPECT_EQ(view.methodLabel, u"２チーム制(ﾀﾞﾌﾞﾙｽ)");
    EXPECT_EQ(view.statusLabel, u"組合せ表示");
    EXPECT_EQ(view.windowBack, (Rgb{0, 128, 128}));
    EXPECT_EQ(view.methodLabelBack, (Rgb{128, 128, 255}));
    EXPECT_EQ(s.teamSize[1], 2) << "team B is not raised while team A has 3";
    EXPECT_EQ(s.playedTotal, 4);
    EXPECT_EQ(s.resultTable[1][kTotalsRow][PlayedCount], 2);
    EXPECT_EQ(s.viewState, ViewState::PairingTable);
}

TEST(PairingTable, TeamBTableLeavesColumnsBeyondItsMembersEmpty) {
    MeetingBuilder b(3, 2);
    b.twoTeam(1, 2, 1, 2, 6, 4);
    MeetingState& s = b.state();
    s.currentTeam = 1;
    const MainView view = draw(s);
    const auto rows = rowsOf(view.grid);
    EXPECT_EQ(rows[0], u"|B1      |B2      |||[合計]");
    EXPECT_EQ(rows[1], u"B1      |＼＼| 4:6|||   1 ");
    EXPECT_EQ(rows[3], u"||||| ");
    EXPECT_EQ(rows[10], u"男女順位|   3 |   3 ||| ");
    EXPECT_EQ(rows[11], u"総合順位|   3|   3| | | ");
    EXPECT_EQ(view.teamLabel, u"☆ チーム  Ｂ ☆");
    EXPECT_EQ(view.windowBack, (Rgb{170, 32, 32}));
}

TEST(PairingTable, BothTeamsUnderThreeStillGiveAThreeByThreeTable) {
    MeetingBuilder b(2, 1);
    MeetingState& s = b.state();
    const MainView view = draw(s);
    EXPECT_EQ(view.tableSize, 3);
    EXPECT_EQ(view.grid.rows, 12);
    EXPECT_EQ(view.grid.columns, 6);
    EXPECT_EQ(s.teamSize[0], 3);
    EXPECT_EQ(s.teamSize[1], 3);
    EXPECT_EQ(view.grid.at(0, 3), u"A3      ");
    EXPECT_EQ(view.grid.at(2, 3), u"  ●");
}

TEST(PairingTable, SizesComeFromTheInnerSizeAndTheDisplayMode) {
    MeetingBuilder b(3, 3);
    MeetingState& s = b.state();
    MainView view;
    view.gridInnerWidth = 9001;
    view.gridInnerHeight = 6000;
    buildPairingTable(s, view, 1);
    EXPECT_EQ(view.grid.columnWidths, (std::vector<int>{1800, 1800, 1800, 1800, 20, 1800}));
    EXPECT_EQ(view.grid.rowHeights[0], 1200);
    EXPECT_EQ(view.grid.rowHeights[4], 20);
    EXPECT_EQ(view.grid.rowHeights[11], 1200);
    EXPECT_EQ(view.grid.centred, (std::vector<bool>{false, true, true, true, true, true}));
    buildPairingTable(s, view, 0);
    EXPECT_EQ(view.grid.rowHeights[0], 500);
    view.gridInnerHeight = 6250;
    buildPairingTable(s, view, 0);
    EXPECT_EQ(view.grid.rowHeights[0], 521) << "6250 / 12 rounded";
}

TEST(PairingTable, RunningPairsShowInBothCellsAndCountWhileDrawn) {
    MeetingBuilder b(4, 4);
    b.runningTwoTeam(1, 2, 3, 4);
    MeetingState& s = b.state();
    const MainView view = draw(s);
    EXPECT_EQ(view.grid.at(1, 2), u"試合中");
    EXPECT_EQ(view.grid.at(2, 1), u"試合中");
    EXPECT_EQ(view.grid.at(1, 3), u"  △");
    EXPECT_EQ(view.grid.at(3, 4), u"  ●");
    EXPECT_EQ(view.grid.at(4, 3), u"") << "no symbol below the diagonal";
    EXPECT_EQ(view.grid.at(6, 1), u"   1 ") << "the running match counts in 試合数";
    EXPECT_EQ(view.grid.at(1, 6), u"   1 ");
    EXPECT_EQ(view.grid.at(6, 6), u"  2 ");
    EXPECT_EQ(s.resultTable[0][1][PlayedCount], 0) << "and is taken out afterwards";
    EXPECT_EQ(s.playedTotal, 0);
}

TEST(PairingTable, AnEarlierMeetingShowsResultsButNoSymbols) {
    MeetingBuilder b(3, 3);
    b.twoTeam(1, 2, 1, 2, 6, 4);
    MeetingState& s = b.state();
    s.resultTable[0][1][3] = 3006;
    s.resultTable[0][3][1] = 3006;
    s.setPair(0, 1, 3, PairUnavailable);
    s.meetingCount = 4;
    s.viewedMeeting = 2;
    const MainView view = draw(s);
    EXPECT_EQ(rowsOf(view.grid)[1], u"A1      |＼＼| 6:4| 3:6||   1 ");
    EXPECT_EQ(view.grid.at(2, 3), u"");
    EXPECT_EQ(view.meetingLabel, u"開催回数: 2");
    EXPECT_EQ(view.statusLabel, u"前回表示中");
}

TEST(PairingTable, PicksInTwoTeamDoublesMarkBothMirrorCells) {
    MeetingBuilder b(4, 4);
    MeetingState& s = b.state();
    s.pickTeam[0] = 0;
    s.pickMember1[0] = 3;
    s.pickMember2[0] = 1;
    s.pickTeam[1] = 1;
    s.pickMember1[1] = 4;
    s.pickMember2[1] = 2;
    MainView view = draw(s);
    EXPECT_EQ(view.grid.at(1, 3), u"選択");
    EXPECT_EQ(view.grid.at(3, 1), u"選択");
    EXPECT_EQ(view.grid.at(0, 0), u"");
    s.currentTeam = 1;
    view = draw(s);
    EXPECT_EQ(view.grid.at(2, 4), u"選択");
    EXPECT_EQ(view.grid.at(4, 2), u"選択");
    EXPECT_EQ(view.grid.at(1, 3), u"  ●");
}

TEST(PairingTable, OneTeamMethodsMarkTheCornerUntilTheSecondSideIsPicked) {
    MeetingBuilder b(4, 0, 1);
    MeetingState& s = b.state();
    MainView view = draw(s);
    EXPECT_EQ(view.grid.at(0, 0), u"選択") << "even with no pick at all";
    EXPECT_EQ(view.methodLabel, u"１チーム制(ﾀﾞﾌﾞﾙｽ)");
    s.pickMember1[0] = 2;
    s.pickMember2[0] = 1;
    view = draw(s);
    EXPECT_EQ(view.grid.at(1, 2), u"選択");
    EXPECT_EQ(view.grid.at(2, 1), u"");
    EXPECT_EQ(view.grid.at(0, 0), u"選択");
    s.pickMember1[1] = 4;
    s.pickMember2[1] = 3;
    view = draw(s);
    EXPECT_EQ(view.grid.at(0, 0), u"");
    EXPECT_EQ(view.grid.at(3, 4), u"  ●") << "side 1 is not marked";

    s.matchMethod = MatchMethod::TwoTeamDoubles;
    s.intraTeamMode = IntraTeamMode::On;
    s.clearPicks();
    view = draw(s);
    EXPECT_EQ(view.grid.at(0, 0), u"選択");
    EXPECT_EQ(view.methodLabel, u"2ﾁｰﾑ制(1ﾁｰﾑﾀﾞﾌﾞﾙｽ)");
    EXPECT_EQ(view.methodLabelBack, (Rgb{255, 0, 0}));
    s.matchMethod = MatchMethod::OneTeamSingles;
    s.intraTeamMode = IntraTeamMode::Off;
    view = draw(s);
    EXPECT_EQ(view.methodLabel, u"１チーム制(ｼﾝｸﾞﾙｽ)");
}

TEST(PairingTable, NoFileShowsPlaceholdersAndCrosses) {
    MeetingState s;
    resetMeeting(s, ResetTarget::StartUp);
    s.teamSize = {10, 10, 0};
    const MainView view = draw(s);
    EXPECT_EQ(view.fileLabel, u"ﾌｧｲﾙ名称：開かれていません");
    EXPECT_EQ(view.meetingLabel, u"開催回数: 0");
    EXPECT_EQ(view.teamLabel, u"☆ 未設定です ☆");
    EXPECT_EQ(view.grid.at(0, 1), u"Ａ01     ");
    EXPECT_EQ(view.grid.at(1, 2), u"  ×");
    EXPECT_EQ(view.grid.rows, 19);
}

TEST(PairingTable, DamagedValuesShowASoundReading) {
    MeetingBuilder b(25, -3);
    MeetingState& s = b.state();
    s.resultTable[0][1][2] = -7;
    s.resultTable[0][1][3] = 5000000;
    s.setPair(0, 1, 3, PairFinished);
    s.setPair(0, 1, 4, 42);
    s.pickMember1[0] = 300;
    s.pickMember2[0] = -2;
    s.currentTeam = 5;
    s.memberAbbrev[0][2] = std::u16string(u"X\0Y", 3);
    const MainView view = draw(s);
    EXPECT_EQ(view.tableSize, 20);
    EXPECT_EQ(view.grid.rows, 29);
    EXPECT_EQ(view.grid.at(2, 1), u" 0:-7");
    EXPECT_EQ(view.grid.at(3, 1), u" 5000:0");
    EXPECT_EQ(view.grid.at(1, 4), u"");
    EXPECT_EQ(view.grid.at(0, 2), std::u16string(u"X\0Y     ", 8)) << "a cell keeps its NUL";
    EXPECT_EQ(view.grid.at(22, 1), u"   1 ");
    EXPECT_EQ(view.grid.at(24, 1), u" 5000:0 ");
}
