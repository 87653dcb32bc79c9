#pragma once

#include "matching/MainView.h"

#include <string>

class Program;

// A rectangle in twips (1/1440 inch, 15 twips per pixel at 96 dpi).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the main window reports about itself when it is set up or resized,
// all in twips, positions relative to the window.
struct WindowGeometry {
    TwipRect window;
    bool minimized = false;
    int innerWidth = 0;
    TwipRect grid;
    int gridFixedRowHeight = 0;
    int gridFixedColumnWidth = 0;
    TwipRect frame; // Frame1, left of the tab strip
    int screenWidth = 0;
    int screenHeight = 0;
    // The screen's area for windows (without panels and task bars); 0 when
    // not known.
    int availableWidth = 0;
    int availableHeight = 0;
};

inline constexpr int kTwipsPerPixel = 15;

// Pixels to twips and back at 96 dpi; twips round to the nearest pixel.
constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The state of the main window that is not meeting data: the shown tab,
// the grid's colour, italics and fonts, the places the layout gives the grid
// and the tab strip, and the explanation panel. The window renders it.
class MainLayout {
public:
    // Start-up: the window takes the saved sizes, or the designed ones are
    // recorded as the sizes to save; either is brought inside the screen's
    // available area. Fills the grid size and inner size.
    void applySavedSizes(Program& program, const WindowGeometry& designed);

    void applyResize(Program& program, const WindowGeometry& now);
    void adjustFontSizes(int screenWidth, int screenHeight);
    // Shows team `team` (0 team A, any other number team B), as its tab does.
    void selectTeam(Program& program, int team);
    // The View menu: "全画面(&A)" stores display mode "0", "調整画面(&B)" mode "1"
    // (rows get more height); both redraw.
    void selectFullScreen(Program& program);
    void selectAdjustedScreen(Program& program);
    void toggleExplanation() { explanationVisible = !explanationVisible; }

    int selectedTeam = 0; // the team whose tab is selected, 0 or 1
    bool explanationVisible = false;
    Rgb gridFore{0, 128, 128};
    bool gridItalic = false;
    double gridFontSize = 9;
    bool gridFontBold = false;
    double tabFontSize = 9;

    // Window and grid sizes the window applies (twips); 0 leaves a size alone.
    int windowWidth = 0;
    int windowHeight = 0;
    int gridWidth = 0;
    int gridHeight = 0;
    TwipRect tabStrip;
    int tabWidth = 0;
    int tabHeight = 0;

    // "ﾌｧｲﾙ：" and the path of the file opened through the Open dialog.
    std::u16string openedFileLabel;

private:
    void placeTabStrip(const WindowGeometry& now);
};
