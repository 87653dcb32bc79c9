#include "MeetingBuilder.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "results/StandingsReport.h"

#include <gtest/gtest.h>

namespace {

// Three meetings of team A against team B, four a side. The current one has
// a draw and a running match of A2, A3 against B2, B3.
class TotalsView : public StorageFixture {
protected:
    void SetUp() override {
        MeetingBuilder first(4, 4);
        first.twoTeam(1, 2, 1, 2, 6, 4);
        first.state().meetingTitle = u"第1回";
        MeetingBuilder second(4, 4);
        second.twoTeam(1, 3, 1, 3, 2, 6);
        second.state().meetingTitle = u"第2回";
        second.state().matchMethod = MatchMethod::OneTeamDoubles;
        MeetingBuilder third(4, 4);
        third.twoTeam(1, 4, 1, 4, 5, 5);
        third.state().meetingTitle = u"第3回";
        for (MeetingBuilder* b : {&first, &second, &third}) {
            computeStandings(b->state());
        }
        writeMeetingFile(dir.file("club.rly"), {&first.state(), &second.state(), &third.state()});
        ASSERT_TRUE(openMeetingFile(program, u"club.rly"));
        state.runningCount = 1;
        state.slotTeam[1][1] = 1;
        state.slotMember1[0][1] = 3;
        state.slotMember2[0][1] = 2;
        state.slotMember1[1][1] = 3;
        state.slotMember2[1][1] = 2;
        state.setPair(0, 2, 3, PairRunning);
        state.setPair(1, 2, 3, PairRunning);
        buildPairingTable(program);
    }

    const std::u16string& cell(int row, int column) const {
        return program.view.grid.at(row, column);
    }
};

} // namespace

TEST_F(TotalsView, SumsEveryMeetingAndShowsTheTotals) {
    ASSERT_TRUE(switchToTotals(program));
    EXPECT_EQ(state.totalsBusy, 0);
    EXPECT_EQ(state.viewState, ViewState::Totals);
    EXPECT_EQ(program.view.statusLabel, u"合計表示中");
    const auto& a1 = state.resultTable[0][1];
    EXPECT_EQ(a1[PlayedCount], 3);
    EXPECT_EQ(a1[WinsLosses], 2002);
    EXPECT_EQ(a1[GamesWonLost], 13015);
    EXPECT_EQ(a1[WinRate], 50);
    EXPECT_EQ(a1[PointWinRate], 46);
    // Table size 4: 試合数 is row 6; the running match counts while shown.
    EXPECT_EQ(cell(6, 1), u"   3 ");
    EXPECT_EQ(cell(6, 2), u"   2 ");
    EXPECT_EQ(cell(6, 3), u"   2 ");
    EXPECT_EQ(cell(7, 1), u" 2:2 ");
    EXPECT_EQ(cell(9, 1), u" 50%");
    EXPECT_EQ(state.resultTable[0][2][PlayedCount], 1) << "the running match is taken out";
    EXPECT_EQ(cell(1, 3), u"  ★") << "pair cells stay as the table drew them";
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(TotalsView, TotalsAbove999AreShownWhole) {
    MeetingBuilder earlier(4, 4);
    computeStandings(earlier.state());
    auto& a1 = earlier.state().resultTable[0][1];
    a1[PlayedCount] = 1000;
    a1[WinsLosses] = 300 * 1000 + 700;
    a1[GamesWonLost] = 600 * 1000 + 700;
    MeetingBuilder current(4, 4);
    writeMeetingFile(dir.file("long.rly"), {&earlier.state(), &earlier.state(), &current.state()});
    ASSERT_TRUE(openMeetingFile(program, u"long.rly"));
    buildPairingTable(program);
    ASSERT_TRUE(switchToTotals(program));
    EXPECT_EQ(cell(6, 1), u"   2000 ");
    EXPECT_EQ(cell(7, 1), u" 600:1400 ");
    EXPECT_EQ(cell(8, 1), u" 1200:1400 ");
    EXPECT_EQ(cell(7, 6), u"600:1400 ");
}

TEST_F(TotalsView, ASecondPressBeepsAndNeverAddsTwice) {
    ASSERT_TRUE(switchToTotals(program));
    const ResultTableArray once = state.resultTable;
    EXPECT_FALSE(switchToTotals(program));
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(state.totalsBusy, 1);
    EXPECT_EQ(state.resultTable, once);
    EXPECT_FALSE(prepareStandingsReport(program)) << "the report is not opened either";
    EXPECT_EQ(state.resultTable, once);

    showCurrentMeeting(program);
    EXPECT_EQ(state.viewState, ViewState::PairingTable);
    EXPECT_EQ(state.resultTable[0][1][PlayedCount], 1);
    EXPECT_EQ(program.view.statusLabel, u"組合せ表示");
}

TEST_F(TotalsView, TeamTotalRowKeepsTheSumOfTheStoredTotals) {
    ASSERT_TRUE(prepareStandingsReport(program));
    // Stored: 2 in each earlier meeting; the current table counts A1 and A4.
    EXPECT_EQ(state.resultTable[0][kTotalsRow][PlayedCount], 6);
    const StandingsReport report = buildStandingsReport(state, ReportKind::Overall);
    EXPECT_EQ(report.teamAMatches, u" 総試合数＝ 3");
    EXPECT_EQ(report.teamARecord, u" 総勝敗数＝ 1:1(1)");
}

TEST_F(TotalsView, AnUnreadableRecordStopsWithItsMessage) {
    std::filesystem::resize_file(dir.file("club.rly"), MeetingRecord::kSize);
    EXPECT_FALSE(switchToTotals(program));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.events()[0].text, u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。");
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート（合計）");
    EXPECT_EQ(state.totalsBusy, 1);
    EXPECT_EQ(state.resultTable[0][1][PlayedCount], 2) << "the first record was added";
}

TEST_F(TotalsView, EarlierMeetingsAreShownOneByOneAndLeftAgain) {
    ASSERT_TRUE(showPreviousMeeting(program));
    EXPECT_EQ(state.viewedMeeting, 2);
    EXPECT_EQ(state.meetingTitle.str().substr(0, 3), u"第2回");
    EXPECT_EQ(program.view.meetingLabel, u"開催回数: 2");
    EXPECT_EQ(program.view.statusLabel, u"前回表示中");
    EXPECT_EQ(program.view.methodLabel, u"１チーム制(ﾀﾞﾌﾞﾙｽ)");
    EXPECT_FALSE(switchToTotals(program)) << "no totals while an earlier meeting is shown";
    ASSERT_TRUE(showPreviousMeeting(program));
    EXPECT_EQ(state.viewedMeeting, 1);
    EXPECT_EQ(cell(2, 1), u" 6:4");
    EXPECT_FALSE(showPreviousMeeting(program));
    EXPECT_EQ(state.viewedMeeting, 1);
    EXPECT_EQ(platform.beepCount(), 2);

    showCurrentMeeting(program);
    EXPECT_EQ(state.viewedMeeting, 0);
    EXPECT_EQ(state.meetingTitle.str().substr(0, 3), u"第3回");
    EXPECT_EQ(state.matchMethod, MatchMethod::TwoTeamDoubles);
    EXPECT_EQ(state.runningCount, 1);
    EXPECT_EQ(state.pairState[0][2][3], PairRunning);
    EXPECT_EQ(cell(2, 3), u"試合中");
    EXPECT_EQ(program.view.meetingLabel, u"開催回数: 3");
}

TEST_F(TotalsView, AnEarlierMeetingThatCannotBeReadLeavesTheShownOne) {
    ASSERT_TRUE(showPreviousMeeting(program));
    std::filesystem::resize_file(dir.file("club.rly"), 0);
    EXPECT_FALSE(showPreviousMeeting(program));
    EXPECT_EQ(state.viewedMeeting, 2);
    EXPECT_EQ(state.meetingTitle.str().substr(0, 3), u"第2回");
    showCurrentMeeting(program);
    EXPECT_FALSE(showPreviousMeeting(program));
    EXPECT_EQ(state.viewedMeeting, 0) << "still the current meeting";
    EXPECT_EQ(state.meetingTitle.str().substr(0, 3), u"第3回");
    EXPECT_EQ(program.view.statusLabel, u"組合せ表示");
    EXPECT_EQ(platform.messages().size(), 2u);
}

// Without the three meetings of TotalsView.
using TotalsViewTest = StorageFixture;

TEST_F(TotalsViewTest, OneMeetingRefusesTotalsAndEarlierMeetings) {
    MeetingBuilder only(3, 3);
    writeMeetingFile(dir.file("one.rly"), {&only.state()});
    ASSERT_TRUE(openMeetingFile(program, u"one.rly"));
    buildPairingTable(program);
    EXPECT_FALSE(switchToTotals(program));
    EXPECT_FALSE(showPreviousMeeting(program));
    EXPECT_EQ(platform.beepCount(), 2);
    EXPECT_EQ(state.viewState, ViewState::PairingTable);
    EXPECT_EQ(state.viewedMeeting, 0);
    EXPECT_TRUE(prepareStandingsReport(program)) << "the report sums the one meeting";
}

TEST_F(TotalsViewTest, TheReportNeedsAnOpenFile) {
    EXPECT_FALSE(prepareStandingsReport(program));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.events()[0].text,
              u"ﾌｧｲﾙ名称が指定されていません。 「新規」、または「開く」の後に行って下さい。");
    EXPECT_EQ(platform.events()[0].title, u"ラリーノート");
}
