#include "ProgramFixture.h"

#include "app/FileCommands.h"
#include "app/StartUp.h"

namespace {

class StartUpTest : public ProgramFixture {};

int countOf(const std::u16string& text, std::u16string_view part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::u16string::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

TEST_F(StartUpTest, EmptySettingsGivePlaceholderTeamsAndLogTheStart) {
    startProgram(program(), layout_, designed());

    EXPECT_TRUE(state().openName.empty());
    EXPECT_EQ(state().meetingCount, 0);
    EXPECT_EQ(state().teamSize[0], 10);
    EXPECT_EQ(state().teamSize[1], 10);
    EXPECT_EQ(state().memberAbbrev[0][1].str().substr(0, 4), u"Ａ01 ");
    EXPECT_EQ(state().memberAbbrev[1][10].str().substr(0, 4), u"Ｂ10 ");
    EXPECT_EQ(state().pairState[0][1][2], PairUnavailable);
    EXPECT_EQ(state().windowReady, 1);
    EXPECT_EQ(layout_.selectedTeam, 0);
    EXPECT_EQ(program().recent.entryCount, 0);
    EXPECT_EQ(program().log.entryCount, 1);
    EXPECT_NE(logText().find(u"起動"), std::u16string::npos);
    EXPECT_TRUE(platform_.events().empty());
    EXPECT_EQ(program().view.caption.rfind(u"　　ラリーノートメイン", 0), 0u);
    const GridModel& grid = program().view.grid;
    EXPECT_EQ(grid.rows, 10 + 9);
    EXPECT_EQ(grid.at(0, 1).substr(0, 3), u"Ａ01");
    EXPECT_EQ(grid.at(1, 2), u"  ×");

    // No saved sizes: the designed ones are recorded to be saved at the end.
    EXPECT_EQ(program().display.windowHeight, designed().window.height);
    EXPECT_EQ(program().display.gridWidth, designed().grid.width);
    EXPECT_EQ(program().view.gridInnerWidth, designed().grid.width - 900);
    EXPECT_EQ(program().view.gridInnerHeight, designed().grid.height - 300 - 30);
    EXPECT_EQ(layout_.windowHeight, 0);
}

TEST_F(StartUpTest, QuittingLogsTheEndAndTheNextStartRestoresTheSettings) {
    startProgram(program(), layout_, designed());
    newMeeting(program(), layout_);
    platform_.setNextFileName(u"club.rly");
    saveMeetingAs(program(), layout_);
    program().display.windowHeight = 9000;
    program().display.windowWidth = 12000;
    program().display.gridHeight = 7000;
    program().display.gridWidth = 10000;
    layout_.selectFullScreen(program());

    platform_.clear();
    EXPECT_FALSE(handleCloseRequest(program()));
    EXPECT_TRUE(platform_.events().empty());
    EXPECT_EQ(countOf(logText(), u"終了"), 1);
    EXPECT_EQ(stored(u"RgFile", u"RgFileNum"), u"1");
    EXPECT_EQ(stored(u"RgDsp", u"RgFormH"), u" 9000");

    restart();
    startProgram(program(), layout_, designed());
    EXPECT_EQ(program().recent.entryCount, 1);
    EXPECT_EQ(program().recent.entry(1), u"club.rly" + std::u16string(24, u' '));
    EXPECT_EQ(program().display.displayModeNumber(), 0);
    EXPECT_EQ(layout_.windowHeight, 9000);
    EXPECT_EQ(layout_.windowWidth, 12000);
    EXPECT_EQ(layout_.gridHeight, 7000);
    EXPECT_EQ(layout_.gridWidth, 10000);
    EXPECT_EQ(program().view.gridInnerWidth, 10000 - 900);
    EXPECT_EQ(program().log.entryCount, 3);
}

TEST_F(StartUpTest, ClosingWithRunningMatchesAndNoKeepsTheWindowAndLogsNothing) {
    startProgram(program(), layout_, designed());
    state().runningCount = 2;
    platform_.clear();

    EXPECT_TRUE(handleCloseRequest(program()));
    EXPECT_EQ(platform_.questions(),
              std::vector<std::u16string>{u"試合中の組合せがｷｬﾝｾﾙされます。　よろしいですか　?　"});
    EXPECT_EQ(program().log.entryCount, 1);
    EXPECT_FALSE(settings_.value(u"RgFile", u"RgFileNum").has_value());

    platform_.setNextAnswer(true);
    EXPECT_FALSE(handleCloseRequest(program()));
    EXPECT_EQ(countOf(logText(), u"強制終了"), 1);
}

TEST_F(StartUpTest, ClosingTheWindowHasNoIntraTeamOrEarlierMeetingGuard) {
    startProgram(program(), layout_, designed());
    state().intraTeamMode = IntraTeamMode::On;
    state().viewedMeeting = 1;
    EXPECT_FALSE(handleCloseRequest(program()));
    EXPECT_TRUE(platform_.messages().empty());
    EXPECT_EQ(countOf(logText(), u"終了"), 1);
}

TEST_F(StartUpTest, ClosingOnTheScratchFileAsksAboutTheUnsavedData) {
    startProgram(program(), layout_, designed());
    newMeeting(program(), layout_);
    platform_.clear();
    EXPECT_TRUE(handleCloseRequest(program()));
    EXPECT_EQ(platform_.questions(), std::vector<std::u16string>{
                                         u"ファイルの保存が行われていません。　よろしいですか　?"});
    EXPECT_EQ(program().log.entryCount, 1);
}
