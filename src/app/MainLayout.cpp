#include "app/MainLayout.h"

#include "app/Program.h"
#include "app/Redraw.h"

#include <algorithm>

namespace {

// Resizes smaller than this (in either direction) only re-place the tab strip.
constexpr int kRelayoutThreshold = 50;

void setInnerSize(Program& program, int gridWidth, int gridHeight, const WindowGeometry& g) {
    program.view.gridInnerHeight = gridHeight - g.gridFixedRowHeight - 30;
    program.view.gridInnerWidth = gridWidth - g.gridFixedColumnWidth;
}

int within(int size, int available) {
    return available > 0 ? std::min(size, available) : size;
}

} // namespace

void MainLayout::applySavedSizes(Program& program, const WindowGeometry& designed) {
    DisplaySettings& display = program.display;
    if (display.windowHeight != 0) {
        windowHeight = display.windowHeight;
        windowWidth = display.windowWidth;
        gridHeight = display.gridHeight;
        gridWidth = display.gridWidth;
    } else {
        display.windowHeight = designed.window.height;
        display.windowWidth = designed.window.width;
        display.gridHeight = designed.grid.height;
        display.gridWidth = designed.grid.width;
        windowHeight = 0;
        windowWidth = 0;
        gridHeight = designed.grid.height;
        gridWidth = designed.grid.width;
    }
    // A window larger than the screen is brought inside it; the resize that
    // follows fits the grid to the smaller window.
    const int width = windowWidth > 0 ? windowWidth : designed.window.width;
    const int height = windowHeight > 0 ? windowHeight : designed.window.height;
    if (within(width, designed.availableWidth) != width ||
        within(height, designed.availableHeight) != height) {
        windowWidth = within(width, designed.availableWidth);
        windowHeight = within(height, designed.availableHeight);
    }
    setInnerSize(program, gridWidth, gridHeight, designed);
}

void MainLayout::applyResize(Program& program, const WindowGeometry& now) {
    DisplaySettings& display = program.display;
    if (program.state.windowReady == 0) {
        return;
    }
    if (display.windowHeight != 0) {
        const int dH = now.window.height - display.windowHeight;
        const int dW = now.window.width - display.windowWidth;
        if (now.minimized) {
            return;
        }
        if (dW > kRelayoutThreshold || dW < -kRelayoutThreshold || dH > kRelayoutThreshold ||
            dH < -kRelayoutThreshold) {
            gridHeight = now.grid.height;
            gridWidth = now.grid.width;
            if (now.window.height - now.window.top > 2000) {
                gridHeight = now.window.height - now.grid.top - 600;
                display.gridHeight = gridHeight;
            }
            if (now.window.width - now.window.left > 5000) {
                gridWidth = now.window.width - now.grid.left - 150;
                display.gridWidth = gridWidth;
            }
            setInnerSize(program, gridWidth, gridHeight, now);
            display.windowHeight = now.window.height;
            display.windowWidth = now.window.width;
            redraw(program);
        }
        placeTabStrip(now);
    }
    adjustFontSizes(now.screenWidth, now.screenHeight);
}

void MainLayout::placeTabStrip(const WindowGeometry& now) {
    tabStrip.left = now.frame.left + now.frame.width + 200;
    tabStrip.top = now.frame.top;
    tabStrip.height = now.frame.height;
    if (now.innerWidth - tabStrip.left > 0) {
        tabStrip.width = now.innerWidth - tabStrip.left;
    }
    if (tabStrip.height - 100 > 0) {
        tabHeight = tabStrip.height - 100;
    }
    if (tabStrip.width / 2 - 100 > 0) {
        tabWidth = tabStrip.width / 2 - 100;
    }
}

void MainLayout::adjustFontSizes(int screenWidth, int screenHeight) {
    if (screenWidth <= 9600 && screenHeight <= 7200) {
        gridFontSize = 7.5;
        gridFontBold = false;
        tabFontSize = 9;
    } else if (screenWidth <= 12000 && screenHeight <= 9000) {
        gridFontSize = 9;
        tabFontSize = 9;
    } else {
        gridFontSize = 13;
        gridFontBold = true;
        tabFontSize = 13;
    }
}

void MainLayout::selectTeam(Program& program, int team) {
    selectedTeam = team == 0 ? 0 : 1;
    program.state.currentTeam = static_cast<std::int16_t>(selectedTeam);
    redraw(program);
    GridModel& grid = program.view.grid;
    const bool teamA = program.state.currentTeam == 0;
    gridFore = teamA ? Rgb{0, 128, 128} : Rgb{170, 32, 32};
    // In the one-team methods and intra-team mode the corner cell says
    // "選択", as the table drew it, from the first pick to the second.
    const MeetingState& state = program.state;
    const bool oneTeamPicking = (state.matchMethod != MatchMethod::TwoTeamDoubles ||
                                 state.intraTeamMode == IntraTeamMode::On) &&
                                state.pickMember1[0] > 0 && state.pickMember1[1] == 0;
    if (grid.rows > 0 && grid.columns > 0 && !oneTeamPicking) {
        grid.at(0, 0) = teamA ? u"Ａチ－ム" : u"Ｂチ－ム";
    }
    gridItalic = !teamA;
}

void MainLayout::selectFullScreen(Program& program) {
    program.display.displayMode = u"0";
    redraw(program);
}

void MainLayout::selectAdjustedScreen(Program& program) {
    program.display.displayMode = u"1";
    redraw(program);
}
