#pragma once

#include <QTableView>

#include <vector>

class MainGridModel;

// The main grid's widget: reports which mouse button was pressed and which
// cell was double-clicked. A left press that follows another button's press
// on the same cell starts the double-click of the correction gesture (right
// click, then left double-click) and is not reported, so the double-click
// still sees the other button.
class MainGridView : public QTableView {
    Q_OBJECT

public:
    explicit MainGridView(QWidget* parent = nullptr);

    // Shows the model; its headings are fitted to the columns whenever the
    // columns are sized.
    void setGridModel(MainGridModel* model);

    // Column widths and row heights in twips. The columns keep their
    // proportions and share the grid's visible width; rows are 15 twips a
    // pixel.
    void applySizes(const std::vector<int>& columnWidths, const std::vector<int>& rowHeights);

signals:
    void mouseDown(int button);
    void cellDoubleClicked(int column, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();
    // The width a cell of the column leaves for text: its width less the
    // grid line and the style's text margins.
    int textRoom(int column) const;

    MainGridModel* gridModel_ = nullptr;
    std::vector<int> columnWidths_;
    int previousButton_ = 0;
    QModelIndex previousCell_;
};
