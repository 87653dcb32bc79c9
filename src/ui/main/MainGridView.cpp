#include "ui/main/MainGridView.h"

#include "app/MainGridEvents.h"
#include "app/MainLayout.h"
#include "ui/main/MainGridModel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    default:
        return MiddleButton;
    }
}

int pixels(int twips) {
    return std::max(1, toPixels(twips));
}

} // namespace

MainGridView::MainGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MainGridView::setGridModel(MainGridModel* model) {
    gridModel_ = model;
    setModel(model);
}

void MainGridView::applySizes(const std::vector<int>& columnWidths,
                              const std::vector<int>& rowHeights) {
    for (std::size_t i = 0; i < rowHeights.size(); ++i) {
        setRowHeight(static_cast<int>(i), pixels(rowHeights[i]));
    }
    columnWidths_ = columnWidths;
    fitColumns();
}

void MainGridView::fitColumns() {
    long long total = 0;
    for (int width : columnWidths_) {
        total += width;
    }
    const int available = viewport()->width();
    const double scale =
        total > 0 && available > 0
            ? static_cast<double>(available) * kTwipsPerPixel / static_cast<double>(total)
            : 1.0;
    int used = 0;
    for (std::size_t i = 0; i < columnWidths_.size(); ++i) {
        // The last column takes what rounding left, so the columns end at the
        // grid's edge.
        const bool last = i + 1 == columnWidths_.size() && total > 0 && available > 0;
        const int width =
            last ? std::max(1, available - used)
                 : std::max(1, static_cast<int>(columnWidths_[i] * scale / kTwipsPerPixel));
        setColumnWidth(static_cast<int>(i), width);
        used += width;
    }
    if (gridModel_ != nullptr) {
        std::vector<int> room;
        for (int column = 0; column < gridModel_->columnCount(); ++column) {
            room.push_back(textRoom(column));
        }
        gridModel_->fitHeadings(room);
    }
}

int MainGridView::textRoom(int column) const {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return columnWidth(column) - (showGrid() ? 1 : 0) - 2 * margin;
}

void MainGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

void MainGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex cell = indexAt(event->position().toPoint());
    const int button = buttonCode(event->button());
    const bool startsCorrection = button == LeftButton && previousButton_ != 0 &&
                                  previousButton_ != LeftButton && cell == previousCell_;
    previousButton_ = button;
    previousCell_ = cell;
    if (!startsCorrection) {
        emit mouseDown(button);
    }
    QTableView::mousePressEvent(event);
}

void MainGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (cell.isValid()) {
        setCurrentIndex(cell);
        emit cellDoubleClicked(cell.column(), cell.row());
    }
}
