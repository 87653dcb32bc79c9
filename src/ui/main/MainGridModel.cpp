#include "ui/main/MainGridModel.h"

namespace {

// The heading row and column look like the fixed cells of a grid.
const QColor kFixedCellBack(192, 192, 192);

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
    endResetModel();
}
