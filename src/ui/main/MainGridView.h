#pragma once

#include <QTableView>

// The main grid's widget: reports which mouse button was pressed and which
// cell was double-clicked. A left press that follows another button's press
// on the same cell starts the double-click of the correction gesture (right
// click, then left double-click) and is not reported, so the double-click
// still sees the other button.
class MainGridView : public QTableView {
    Q_OBJECT

public:
    explicit MainGridView(QWidget* parent = nullptr);

    // Column widths and row heights in twips.
    void applySizes(const std::vector<int>& columnWidths, const std::vector<int>& rowHeights);

signals:
    void mouseDown(int button);
    void cellDoubleClicked(int column, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int previousButton_ = 0;
    QModelIndex previousCell_;
};
