#include "ui/main/MainGridModel.h"

namespace {

// The heading row and column look like the fixed cells of a grid.
const QColor kFixedCellBack(192, 192, 192);

// The short names are padded with blanks (half- or full-width), which would
// pull a centred name off centre and count as width.
QString headingText(const std::u16string& cell) {
    QString text = QString::fromStdU16String(cell);
    while (!text.isEmpty() && text.back().isSpace()) {
        text.chop(1);
    }
    return text;
}

} // namespace

MainGridModel::MainGridModel(const GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

int MainGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rows;
}

int MainGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columns;
}

QVariant MainGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.rows || index.column() >= grid_.columns) {
        return {};
    }
    if (const HeadingText* heading = headingAt(index)) {
        switch (role) {
        case Qt::DisplayRole:
            return heading->text;
        case Qt::FontRole:
            return heading->font;
        case Qt::ToolTipRole:
            return heading->toolTip.isEmpty() ? QVariant() : QVariant(heading->toolTip);
        default:
            break;
        }
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdU16String(grid_.at(index.row(), index.column()));
    case Qt::TextAlignmentRole: {
        const auto column = static_cast<std::size_t>(index.column());
        const bool centred = column < grid_.centred.size() && grid_.centred[column];
        return QVariant::fromValue(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    }
    case Qt::ForegroundRole:
        return fore_;
    case Qt::FontRole:
        return font_;
    case Qt::BackgroundRole:
        if (index.row() == 0 || index.column() == 0) {
            return kFixedCellBack;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags MainGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void MainGridModel::refresh(const QColor& fore, const QFont& font) {
    beginResetModel();
    fore_ = fore;
    font_ = font;
    columnHeadings_.clear();
    rowHeadings_.clear();
    endResetModel();
}

void MainGridModel::fitHeadings(const std::vector<int>& textRoom) {
    if (grid_.rows == 0 || grid_.columns == 0 ||
        textRoom.size() != static_cast<std::size_t>(grid_.columns)) {
        return;
    }
    columnHeadings_.clear();
    rowHeadings_.clear();
    for (int column = 0; column < grid_.columns; ++column) {
        columnHeadings_.push_back(fitHeadingText(headingText(grid_.at(0, column)), font_,
                                                 textRoom[static_cast<std::size_t>(column)]));
    }
    for (int row = 0; row < grid_.rows; ++row) {
        rowHeadings_.push_back(
            fitHeadingText(headingText(grid_.at(row, 0)), font_, textRoom.front()));
    }
    const QList<int> roles = {Qt::DisplayRole, Qt::FontRole, Qt::ToolTipRole};
    emit dataChanged(index(0, 0), index(0, grid_.columns - 1), roles);
    emit dataChanged(index(0, 0), index(grid_.rows - 1, 0), roles);
}

const HeadingText* MainGridModel::headingAt(const QModelIndex& index) const {
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row == 0 && column < columnHeadings_.size()) {
        return &columnHeadings_[column];
    }
    if (column == 0 && row < rowHeadings_.size()) {
        return &rowHeadings_[row];
    }
    return nullptr;
}
