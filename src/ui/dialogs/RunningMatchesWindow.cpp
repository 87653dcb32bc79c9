#include "ui/dialogs/RunningMatchesWindow.h"

#include "app/MainLayout.h"
#include "app/Program.h"
#include "matching/RunningList.h"
#include "platform/qt/QtText.h"
#include "ui/dialogs/CancelMatchDialog.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/ForfeitMatchDialog.h"
#include "ui/dialogs/ResultEntryDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The cells break lines with character 10 then 13; the widget needs only
// the first. Trailing blanks of the short names would pull a centred line
// off centre.
QString displayText(const std::u16string& cell) {
    QStringList lines = toQString(cell).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RunningMatchesWindow::RunningMatchesWindow(Program& program, QWidget* mainWindow,
                                           std::function<void()> redrawMain)
    : QDialog(mainWindow), program_(program), mainWindow_(mainWindow),
      redrawMain_(std::move(redrawMain)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(toQString(kRunningListCaption));
    setModal(false);
    resize(640, 460);

    auto* instruction = new QLabel(toQString(kRunningListInstruction), this);
    instruction->setObjectName(QStringLiteral("Label1"));
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Grid1"));
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(true);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { choose(Action::Result); });

    auto* result = makeButton(this, "Command1", QStringLiteral("決定(ﾎﾟｲﾝﾄ入力)"));
    auto* cancel = makeButton(this, "Command2", QStringLiteral("試合解除"));
    auto* forfeit = makeButton(this, "Command3", QStringLiteral("試合放棄"));
    auto* back = makeButton(this, "Command4", QStringLiteral("戻り"));
    connect(result, &QPushButton::clicked, this, [this] { choose(Action::Result); });
    connect(cancel, &QPushButton::clicked, this, [this] { choose(Action::Cancel); });
    connect(forfeit, &QPushButton::clicked, this, [this] { choose(Action::Forfeit); });
    connect(back, &QPushButton::clicked, this, &QDialog::close);
    // However the list is closed, the pairing table is drawn again.
    connect(this, &QDialog::finished, this, [this] { redrawMain_(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {result, cancel, forfeit, back}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
}

void RunningMatchesWindow::openList() {
    openRunningList(program_.state);
    centreOverParent(*this);
    show();
    raise();
    activateWindow();
    fillList();
    // Nothing is chosen yet: the current row is the heading row.
    table_->selectionModel()->setCurrentIndex(table_->model()->index(0, 0),
                                              QItemSelectionModel::NoUpdate);
}

void RunningMatchesWindow::fillList() {
    const int usableWidth = table_->viewport()->width() * kTwipsPerPixel - 30;
    const int usableHeight = table_->viewport()->height() * kTwipsPerPixel - 30;
    const GridModel model = ::buildRunningList(program_.state, usableWidth, usableHeight);
    const int current = table_->currentRow();
    table_->setRowCount(model.rows);
    table_->setColumnCount(model.columns);
    QFont headingFont = table_->font();
    headingFont.setBold(true);
    for (int row = 0; row < model.rows; ++row) {
        table_->setRowHeight(row,
                             model.rowHeights.at(static_cast<std::size_t>(row)) / kTwipsPerPixel);
        for (int column = 0; column < model.columns; ++column) {
            auto* item = new QTableWidgetItem(displayText(model.at(row, column)));
            const bool centred = row == 0 || model.centred.at(static_cast<std::size_t>(column));
            item->setTextAlignment(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
            if (row == 0) {
                item->setFont(headingFont);
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().button());
            }
            table_->setItem(row, column, item);
        }
    }
    for (int column = 0; column < model.columns; ++column) {
        table_->setColumnWidth(column, model.columnWidths.at(static_cast<std::size_t>(column)) /
                                           kTwipsPerPixel);
    }
    if (current >= 0 && current < model.rows) {
        table_->setCurrentCell(current, 0);
    }
}

void RunningMatchesWindow::choose(Action action) {
    if (!chooseRunningMatch(program_.state, program_.platform, table_->currentRow())) {
        return;
    }
    switch (action) {
    case Action::Result:
        ResultEntryDialog(program_, mainWindow_).exec();
        break;
    case Action::Cancel:
        CancelMatchDialog(program_, mainWindow_).exec();
        break;
    case Action::Forfeit:
        ForfeitMatchDialog(program_, mainWindow_).exec();
        break;
    }
    program_.state.clearPicks();
    fillList();
    redrawMain_();
}

void RunningMatchesWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isVisible()) {
        fillList();
    }
}
