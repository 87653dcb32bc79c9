#include "app/ReportCommands.h"
#include "MeetingBuilder.h"
#include "StorageFixture.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "results/StandingsReport.h"
#include "storage/MeetingRecord.h"

#include <gtest/gtest.h>

namespace {

// Three meetings of four against four; A1 plays in each.
class ReportCommands : public StorageFixture {
protected:
    void SetUp() override {
        MeetingBuilder first(4, 4);
        first.twoTeam(1, 2, 1, 2, 6, 4);
        MeetingBuilder second(4, 4);
        second.twoTeam(1, 3, 1, 3, 2, 6);
        MeetingBuilder third(4, 4);
        third.twoTeam(1, 4, 1, 4, 5, 5);
        for (MeetingBuilder* b : {&first, &second, &third}) {
            computeStandings(b->state());
        }
        writeMeetingFile(dir.file("club.rly"), {&first.state(), &second.state(), &third.state()});
        ASSERT_TRUE(openMeetingFile(program, u"club.rly"));
        buildPairingTable(program);
        current = state.resultTable;
    }

    // Opens the report and notes what it would show.
    bool openReport() {
        return showStandingsReport(program, [this] {
            ++shown;
            playedWhileShown = state.resultTable[0][1][PlayedCount];
            overall = buildStandingsReport(state, ReportKind::Overall);
        });
    }

    ResultTableArray current{};
    int shown = 0;
    int playedWhileShown = 0;
    StandingsReport overall;
};

} // namespace

TEST_F(ReportCommands, ShowsTheSumsThenPutsTheCurrentMeetingBack) {
    ASSERT_TRUE(openReport());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(playedWhileShown, 3) << "the report sees all three meetings";
    EXPECT_EQ(overall.memberLines[1], u" 01      01     01:00 (00)  100%  075%   B3       ")
        << "B3 won his only match 6-2, in the second meeting";
    EXPECT_EQ(overall.teamAMatches, u" 総試合数＝ 3");

    EXPECT_EQ(state.resultTable, current) << "closing redraws the current meeting";
    EXPECT_EQ(state.viewState, ViewState::PairingTable);
    EXPECT_EQ(state.totalsBusy, 0);
    EXPECT_EQ(program.view.statusLabel, u"組合せ表示");
    EXPECT_TRUE(platform.events().empty());

    ASSERT_TRUE(openReport()) << "the report opens again on fresh sums";
    EXPECT_EQ(playedWhileShown, 3);
}

TEST_F(ReportCommands, NeedsAnOpenFile) {
    state.openName.clear();
    EXPECT_FALSE(openReport());
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{
                  u"ﾌｧｲﾙ名称が指定されていません。 「新規」、または「開く」の後に行って下さい。"});
    EXPECT_EQ(state.resultTable, current);
}

TEST_F(ReportCommands, StaysClosedWhileTheTotalsAreShown) {
    ASSERT_TRUE(switchToTotals(program));
    const ResultTableArray sums = state.resultTable;
    EXPECT_FALSE(openReport());
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(state.resultTable, sums) << "the sums are neither added twice nor replaced";
    EXPECT_EQ(state.viewState, ViewState::Totals);
}

TEST_F(ReportCommands, StaysClosedWhenAMeetingCannotBeRead) {
    std::filesystem::resize_file(dir.file("club.rly"), MeetingRecord::kSize);
    EXPECT_FALSE(openReport());
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(platform.messages(),
              std::vector<std::u16string>{u"ﾌｧｲﾙを開くときにｴﾗｰが発生しました。"});
}

TEST_F(ReportCommands, RefusedWhileAnEarlierMeetingIsShown) {
    ASSERT_TRUE(showPreviousMeeting(program));
    ASSERT_EQ(state.viewedMeeting, 2);
    const ResultTableArray earlier = state.resultTable;
    EXPECT_FALSE(openReport());
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(platform.beepCount(), 1);
    EXPECT_EQ(state.resultTable, earlier) << "the shown meeting is not summed";
    EXPECT_EQ(state.viewedMeeting, 2);
}
