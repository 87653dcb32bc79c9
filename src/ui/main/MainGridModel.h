#pragma once

#include "matching/MainView.h"
#include "ui/main/HeadingText.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

#include <vector>

// The main grid's cell model as a Qt table model: texts, centring, the
// team's fore colour and font, and a fixed-cell background for the heading
// row and column. Headings that do not fit their cells at the layout's font
// are drawn smaller or elided, with their whole text as the tooltip.
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
    // Fits the heading row and column to the room each column leaves for
    // text (pixels, by column).
    void fitHeadings(const std::vector<int>& textRoom);

private:
    const HeadingText* headingAt(const QModelIndex& index) const;

    const GridModel& grid_;
    QColor fore_;
    QFont font_;
    std::vector<HeadingText> columnHeadings_; // row 0, by column
    std::vector<HeadingText> rowHeadings_;    // column 0, by row; row 0 is a column heading
};
