#include "results/ResultsGrid.h"
#include "MeetingBuilder.h"
#include "matching/MainView.h"

#include <gtest/gtest.h>

namespace {

// A view shaped as the pairing table leaves it for a table of size d.
MainView shapedView(int d) {
    MainView view;
    view.tableSize = d;
    view.grid.resize(d + 9, d + 3);
    return view;
}

void standing(MeetingState& s, int team, int m, int matches, int winsLosses, int games, int rate,
              int points) {
    auto& row = s.resultTable[team][m];
    row[PlayedCount] = matches;
    row[WinsLosses] = winsLosses;
    row[GamesWonLost] = games;
    row[WinRate] = rate;
    row[PointWinRate] = points;
}

} // namespace

TEST(ResultsGrid, MemberCellsFollowTheirPatterns) {
    MeetingBuilder b(3, 5);
    b.woman(0, 2);
    MeetingState& s = b.state();
    standing(s, 0, 1, 4, 3001, 22015, 75, 59);
    standing(s, 0, 2, 20, 1019, 40080, 5, 33);
    standing(s, 0, 3, 4, 2002, 20020, 50, 50);
    standing(s, 1, 1, 4, 2002, 20020, 50, 60);
    MainView view = shapedView(5);
    buildResultsRows(s, view);
    const GridModel& g = view.grid;

    EXPECT_EQ(g.at(7, 0), u"試合数");
    EXPECT_EQ(g.at(7, 1), u"   4 ");
    EXPECT_EQ(g.at(7, 2), u"   20 ");
    EXPECT_EQ(g.at(8, 0), u"勝：敗");
    EXPECT_EQ(g.at(8, 1), u" 3:1 ");
    EXPECT_EQ(g.at(9, 0), u"ﾎﾟｲﾝﾄ");
    EXPECT_EQ(g.at(9, 1), u" 22:15 ");
    EXPECT_EQ(g.at(9, 2), u" 40:80 ");
    EXPECT_EQ(g.at(10, 0), u"勝率");
    EXPECT_EQ(g.at(10, 1), u" 75%");
    EXPECT_EQ(g.at(10, 2), u" 05%");
    EXPECT_EQ(g.at(11, 0), u"ﾎﾟｲﾝﾄ勝率");
    EXPECT_EQ(g.at(11, 1), u" 59%");
    EXPECT_EQ(g.at(12, 0), u"男女順位");
    EXPECT_EQ(g.at(13, 0), u"総合順位");
    // Overall: 1 (75), B1 (50/60), A3 (50/50), A2 (5). Men: A1, B1, A3.
    EXPECT_EQ(g.at(12, 1), u"   1 ");
    EXPECT_EQ(g.at(12, 2), u"*  1 ");
    EXPECT_EQ(g.at(12, 3), u"   3 ");
    EXPECT_EQ(g.at(13, 1), u"   1");
    EXPECT_EQ(g.at(13, 2), u"   4");
    EXPECT_EQ(g.at(13, 3), u"   3");
    for (int column = 4; column <= 7; ++column) {
        EXPECT_EQ(g.at(13, column), u" ") << column;
        EXPECT_EQ(g.at(12, column), column == 7 ? u" " : u"") << column;
    }
}

TEST(ResultsGrid, SexRankShowsAnAsteriskOnlyForWomenWhoAreNotResting) {
    MeetingBuilder b(4, 0);
    b.woman(0, 1).woman(0, 2).woman(0, 3).resting(0, 3);
    MeetingState& s = b.state();
    standing(s, 0, 1, 2, 2000, 12004, 100, 75);
    standing(s, 0, 2, 2, 1001, 10010, 50, 50);
    standing(s, 0, 3, 2, 1001, 10010, 50, 50);
    standing(s, 0, 4, 2, 1001, 8012, 50, 40);
    MainView view = shapedView(4);
    buildResultsRows(s, view);
    EXPECT_EQ(view.grid.at(11, 2), u"*  2 ");
    EXPECT_EQ(view.grid.at(11, 3), u"   0 ") << "a resting woman has no sex rank";
    EXPECT_EQ(view.grid.at(11, 4), u"   1 ");
    EXPECT_EQ(view.grid.at(12, 3), u"   2");
}

TEST(ResultsGrid, SummaryColumnHoldsTheTeamTotals) {
    MeetingBuilder b(3, 3);
    MeetingState& s = b.state();
    standing(s, 0, 1, 2, 1001, 10010, 50, 50);
    standing(s, 0, 2, 2, 2000, 12004, 100, 75);
    standing(s, 0, 3, 2, 2, 4012, 0, 25);
    MainView view = shapedView(3);
    buildResultsRows(s, view);
    const GridModel& g = view.grid;
    EXPECT_EQ(g.at(1, 5), u"   2 ");
    EXPECT_EQ(g.at(4, 5), u" ") << "separator row";
    EXPECT_EQ(g.at(5, 5), u"  6 ");
    EXPECT_EQ(g.at(6, 5), u"3:3 ");
    EXPECT_EQ(g.at(7, 5), u"26:26 ");
    EXPECT_EQ(g.at(8, 5), u" 50%");
    EXPECT_EQ(g.at(9, 5), u" 50%");
    EXPECT_EQ(g.at(10, 5), u" ");
    EXPECT_EQ(g.at(11, 5), u" ");
    EXPECT_EQ(s.resultTable[0][kTotalsRow][PlayedCount], 6);
}

TEST(ResultsGrid, StatusLabelTellsWhichViewIsShown) {
    MeetingBuilder b(3, 3);
    MeetingState& s = b.state();
    MainView view = shapedView(3);
    buildResultsRows(s, view);
    EXPECT_EQ(view.statusLabel, u"組合せ表示");
    EXPECT_EQ(view.statusLabelBack, (Rgb{0, 0, 192}));
    s.viewState = ViewState::Totals;
    buildResultsRows(s, view);
    EXPECT_EQ(view.statusLabel, u"合計表示中");
    EXPECT_EQ(view.statusLabelBack, (Rgb{255, 0, 0}));
    s.viewedMeeting = 1;
    buildResultsRows(s, view);
    EXPECT_EQ(view.statusLabel, u"前回表示中");
    EXPECT_EQ(view.statusLabelBack, (Rgb{255, 0, 0}));
}
