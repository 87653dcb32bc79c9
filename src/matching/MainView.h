#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The main grid as a cell model that any widget can render: texts, centring,
// sizes in twips. Rows 0 and column 0 are the headings.
struct GridModel {
    int rows = 0;
    int columns = 0;
    std::vector<std::u16string> cells; // row-major
    std::vector<bool> centred;         // per column
    std::vector<int> columnWidths;     // twips
    std::vector<int> rowHeights;       // twips

    void resize(int rowCount, int columnCount);
    bool contains(int row, int column) const {
        return row >= 0 && row < rows && column >= 0 && column < columns;
    }
    // Writes a cell; a position outside the grid is ignored, so a damaged
    // pick or member number can never write outside it.
    void set(int row, int column, std::u16string_view text);
    std::u16string& at(int row, int column) { return cells.at(row * columns + column); }
    const std::u16string& at(int row, int column) const { return cells.at(row * columns + column); }
};

// Everything the main window shows besides its menus and buttons.
struct MainView {
    GridModel grid;
    // The number of member rows and columns of the pairing table (the larger
    // team, at least 3), fixed by the last redraw of the table.
    int tableSize = 0;
    std::u16string caption;
    std::u16string fileLabel;
    std::u16string teamLabel;
    std::u16string meetingLabel;
    std::u16string methodLabel;
    std::u16string statusLabel;
    Rgb methodLabelBack;
    Rgb statusLabelBack;
    Rgb windowBack;
    // The usable size of the grid that rows and columns share (twips), kept by
    // the window's layout.
    int gridInnerWidth = 9000;
    int gridInnerHeight = 6000;
};
