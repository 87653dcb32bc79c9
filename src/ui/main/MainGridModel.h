#pragma once

#include "matching/MainView.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

// The main grid's cell model as a Qt table model: texts, centring, the
// team's fore colour and font, and a fixed-cell background for the heading
// row and column.
class MainGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit MainGridModel(const GridModel& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the grid's current content, colour and font.
    void refresh(const QColor& fore, const QFont& font);

private:
    const GridModel& grid_;
    QColor fore_;
    QFont font_;
};
