#include "ui/main/MainGridView.h"

#include "app/MainGridEvents.h"
#include "app/MainLayout.h"

#include <QHeaderView>
#include <QMouseEvent>

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
    return std::max(1, (twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
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
}

void MainGridView::applySizes(const std::vector<int>& columnWidths,
                              const std::vector<int>& rowHeights) {
    for (std::size_t i = 0; i < columnWidths.size(); ++i) {
        setColumnWidth(static_cast<int>(i), pixels(columnWidths[i]));
    }
    for (std::size_t i = 0; i < rowHeights.size(); ++i) {
        setRowHeight(static_cast<int>(i), pixels(rowHeights[i]));
    }
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
