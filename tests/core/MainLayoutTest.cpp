#include "ProgramFixture.h"

#include "app/MainButtons.h"
#include "app/StartUp.h"

namespace {

class MainLayoutTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        startProgram(program(), layout_, designed());
    }

    // The designed window with its edges dragged by (dW, dH) twips.
    static WindowGeometry dragged(int dW, int dH) {
        WindowGeometry g = designed();
        g.window.width += dW;
        g.window.height += dH;
        g.innerWidth = g.window.width;
        return g;
    }
};

} // namespace

TEST_F(MainLayoutTest, OnlyChangesOfMoreThanFiftyTwipsResizeTheGrid) {
    const WindowGeometry base = designed();
    layout_.applyResize(program(), dragged(30, -30));
    EXPECT_EQ(program().display.gridHeight, base.grid.height);
    EXPECT_EQ(program().display.windowWidth, base.window.width);

    layout_.applyResize(program(), dragged(60, 0));
    // The redraw shares the new inner width among the columns.
    const int columns = program().view.tableSize + 2;
    const int width = base.window.width + 60 - base.grid.left - 150;
    EXPECT_EQ(program().display.gridWidth, width);
    EXPECT_EQ(layout_.gridWidth, width);
    EXPECT_EQ(program().view.gridInnerWidth, width - base.gridFixedColumnWidth);
    EXPECT_EQ(program().view.grid.columnWidths.at(1),
              (width - base.gridFixedColumnWidth + columns / 2) / columns);
    EXPECT_EQ(program().display.windowWidth, base.window.width + 60);
    const int height = base.window.height - base.grid.top - 600;
    EXPECT_EQ(program().display.gridHeight, height);
    EXPECT_EQ(program().view.gridInnerHeight, height - base.gridFixedRowHeight - 30);
}

TEST_F(MainLayoutTest, AShortWindowKeepsTheGridHeight) {
    WindowGeometry g = dragged(0, -500);
    g.window.top = g.window.height - 1500; // height less top is below 2000
    layout_.applyResize(program(), g);
    EXPECT_EQ(program().display.gridHeight, designed().grid.height);
    EXPECT_EQ(program().display.windowHeight, g.window.height);
}

TEST_F(MainLayoutTest, MinimizingOrNotBeingReadyChangesNothing) {
    WindowGeometry g = dragged(-3000, -3000);
    g.minimized = true;
    layout_.applyResize(program(), g);
    EXPECT_EQ(program().display.windowHeight, designed().window.height);

    state().windowReady = 0;
    layout_.applyResize(program(), dragged(-3000, -3000));
    EXPECT_EQ(program().display.windowHeight, designed().window.height);
}

TEST_F(MainLayoutTest, TheTabStripFillsTheSpaceRightOfTheFrame) {
    const WindowGeometry g = dragged(10, 10);
    layout_.applyResize(program(), g);
    EXPECT_EQ(layout_.tabStrip.left, g.frame.left + g.frame.width + 200);
    EXPECT_EQ(layout_.tabStrip.top, g.frame.top);
    EXPECT_EQ(layout_.tabStrip.width, g.innerWidth - layout_.tabStrip.left);
    EXPECT_EQ(layout_.tabHeight, g.frame.height - 100);
    EXPECT_EQ(layout_.tabWidth, layout_.tabStrip.width / 2 - 100);
}

TEST_F(MainLayoutTest, FontSizesFollowTheScreenSize) {
    struct Case {
        int width;
        int height;
        bool boldBefore;
        double gridSize;
        bool bold;
        double tabSize;
    };
    const Case cases[] = {
        {9600, 7200, true, 7.5, false, 9}, // 640 × 480
        {12000, 9000, true, 9, true, 9},   // 800 × 600 keeps bold as it was
        {12000, 9000, false, 9, false, 9},
        {15360, 12288, false, 13, true, 13}, // 1024 × 768 and above
        {9600, 9000, true, 9, true, 9},
    };
    for (const Case& c : cases) {
        layout_.gridFontBold = c.boldBefore;
        layout_.adjustFontSizes(c.width, c.height);
        EXPECT_EQ(layout_.gridFontSize, c.gridSize) << c.width;
        EXPECT_EQ(layout_.gridFontBold, c.bold) << c.width;
        EXPECT_EQ(layout_.tabFontSize, c.tabSize) << c.width;
    }
}

TEST_F(MainLayoutTest, TheSecondTabShowsTeamBInDarkRedItalics) {
    layout_.selectTeam(program(), 1);
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_EQ(layout_.gridFore, (Rgb{170, 32, 32}));
    EXPECT_TRUE(layout_.gridItalic);
    EXPECT_EQ(program().view.grid.at(0, 0), u"Ｂチ－ム");
    EXPECT_EQ(program().view.teamLabel.substr(0, 2), u"☆ ");

    layout_.selectTeam(program(), 0);
    EXPECT_EQ(state().currentTeam, 0);
    EXPECT_EQ(layout_.gridFore, (Rgb{0, 128, 128}));
    EXPECT_FALSE(layout_.gridItalic);
    EXPECT_EQ(program().view.grid.at(0, 0), u"Ａチ－ム");
}

TEST_F(MainLayoutTest, TheCornerSaysSelectedAfterAFirstPickInOneTeam) {
    for (const auto& [method, intraTeam] : {std::pair{1, 0}, std::pair{2, 0}, std::pair{0, 1}}) {
        state().matchMethod = static_cast<MatchMethod>(method);
        state().intraTeamMode = static_cast<IntraTeamMode>(intraTeam);
        state().pickMember1[0] = 2;
        state().pickMember2[0] = 1;
        layout_.selectTeam(program(), 0);
        EXPECT_EQ(program().view.grid.at(0, 0), u"選択") << method << intraTeam;
        state().clearPicks();
        layout_.selectTeam(program(), 0);
        EXPECT_EQ(program().view.grid.at(0, 0), u"Ａチ－ム") << method << intraTeam;
    }
}

TEST_F(MainLayoutTest, TheDisplayModeMenuSetsTheModeAndRedraws) {
    layout_.selectFullScreen(program());
    EXPECT_EQ(program().display.displayModeNumber(), 0);
    const int fullScreenRow = program().view.grid.rowHeights.at(1);
    layout_.selectAdjustedScreen(program());
    EXPECT_EQ(program().display.displayModeNumber(), 1);
    EXPECT_GT(program().view.grid.rowHeights.at(1), fullScreenRow);
}

TEST_F(MainLayoutTest, TeamSwitchWorksOnlyInTwoTeamDoubles) {
    showOtherTeam(program(), layout_);
    EXPECT_EQ(state().currentTeam, 1);
    EXPECT_EQ(layout_.selectedTeam, 1);
    showOtherTeam(program(), layout_);
    EXPECT_EQ(state().currentTeam, 0);
    EXPECT_EQ(layout_.selectedTeam, 0);

    for (auto [method, intra] : {std::pair{1, 0}, std::pair{2, 0}, std::pair{0, 1}}) {
        state().matchMethod = static_cast<MatchMethod>(method);
        state().intraTeamMode = static_cast<IntraTeamMode>(intra);
        showOtherTeam(program(), layout_);
        EXPECT_EQ(state().currentTeam, 0);
    }
    EXPECT_EQ(platform_.beepCount(), 0);
}

TEST_F(MainLayoutTest, RunningListButtonRefusals) {
    int opened = 0;
    const auto open = [&opened] { ++opened; };
    EXPECT_FALSE(showRunningMatches(program(), open)); // no meeting
    state().meetingCount = 2;
    state().viewState = ViewState::Totals;
    EXPECT_FALSE(showRunningMatches(program(), open));
    state().viewState = ViewState::PairingTable;
    state().viewedMeeting = 1;
    EXPECT_FALSE(showRunningMatches(program(), open));
    EXPECT_EQ(platform_.beepCount(), 3);
    EXPECT_EQ(opened, 0);

    state().viewedMeeting = 0;
    EXPECT_TRUE(showRunningMatches(program(), open));
    EXPECT_EQ(opened, 1);
}

TEST_F(MainLayoutTest, AWindowLargerThanTheScreenIsBroughtInsideIt) {
    struct Case {
        int savedWidth;
        int savedHeight;
        int availableWidth;
        int availableHeight;
        int width; // 0: the window keeps its designed size
        int height;
    };
    const int designedWidth = designed().window.width;
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},                         // first start, screen unknown
        {0, 0, 20490, 11000, 0, 0},                 // first start, the designed window fits
        {0, 0, 10000, 7000, 10000, 7000},           // first start on a small screen
        {0, 0, 20490, 7000, designedWidth, 7000},   // too low only
        {30000, 16000, 20490, 11000, 20490, 11000}, // restored larger than the screen
        {12000, 9000, 20490, 11000, 12000, 9000},   // restored inside it
    };
    for (const Case& c : cases) {
        program().display.windowWidth = c.savedWidth;
        program().display.windowHeight = c.savedHeight;
        WindowGeometry g = designed();
        g.availableWidth = c.availableWidth;
        g.availableHeight = c.availableHeight;
        layout_ = MainLayout{};
        layout_.applySavedSizes(program(), g);
        EXPECT_EQ(layout_.windowWidth, c.width) << c.savedWidth << " " << c.availableWidth;
        EXPECT_EQ(layout_.windowHeight, c.height) << c.savedWidth << " " << c.availableWidth;
    }
}
