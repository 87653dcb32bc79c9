#include "matching/MainView.h"

void GridModel::resize(int rowCount, int columnCount) {
    rows = rowCount;
    columns = columnCount;
    cells.assign(static_cast<std::size_t>(rows * columns), std::u16string());
    centred.assign(static_cast<std::size_t>(columns), false);
    columnWidths.assign(static_cast<std::size_t>(columns), 0);
    rowHeights.assign(static_cast<std::size_t>(rows), 0);
}

void GridModel::set(int row, int column, std::u16string_view text) {
    if (contains(row, column)) {
        cells[static_cast<std::size_t>(row * columns + column)] = text;
    }
}
