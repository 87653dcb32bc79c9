#include "ui/dialogs/Form2.h"

#include "app/Program.h"
#include "matching/RunningList.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/Form3.h"
#include "ui/dialogs/Form5.h"
#include "ui/dialogs/Form6.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Screen pixels per twip at the usual 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

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

Form2::Form2(Program& program, QWidget* mainWindow, std::function<void()> redrawMain)
    : QDialog(mainWindow), program_(program), mainWindow_(mainWindow),
      redrawMain_(std::move(redrawMain)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(toQString(kRunningListCaption));
    setModal(false);
    resize(640, 460);

    auto* instruction = new QLabel(toQString(kRunningListInstruction), this);
    instruction->setObjectName(QStringLiteral("Label1"));
    Grid1 = new QTableWidget(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->horizontalHeader()->hide();
    Grid1->verticalHeader()->hide();
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setWordWrap(true);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(Grid1, &QTableWidget::cellDoubleClicked, this, [this] { choose(Action::Result); });

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
    layout->addWidget(Grid1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {result, cancel, forfeit, back}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
}

void Form2::openList() {
    openRunningList(program_.state);
    centreOverParent(*this);
    show();
    raise();
    activateWindow();
    RunDsp();
    // Nothing is chosen yet: the current row is the heading row.
    Grid1->selectionModel()->setCurrentIndex(Grid1->model()->index(0, 0),
                                             QItemSelectionModel::NoUpdate);
}

void Form2::RunDsp() {
    const int usableWidth = Grid1->viewport()->width() * kTwipsPerPixel - 30;
    const int usableHeight = Grid1->viewport()->height() * kTwipsPerPixel - 30;
    const GridModel model = ::RunDsp(program_.state, usableWidth, usableHeight);
    const int current = Grid1->currentRow();
    Grid1->setRowCount(model.rows);
    Grid1->setColumnCount(model.columns);
    QFont headingFont = Grid1->font();
    headingFont.setBold(true);
    for (int row = 0; row < model.rows; ++row) {
        Grid1->setRowHeight(row,
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
            Grid1->setItem(row, column, item);
        }
    }
    for (int column = 0; column < model.columns; ++column) {
        Grid1->setColumnWidth(column, model.columnWidths.at(static_cast<std::size_t>(column)) /
                                          kTwipsPerPixel);
    }
    if (current >= 0 && current < model.rows) {
        Grid1->setCurrentCell(current, 0);
    }
}

void Form2::choose(Action action) {
    if (!chooseRunningMatch(program_.state, program_.platform, Grid1->currentRow())) {
        return;
    }
    switch (action) {
    case Action::Result:
        Form3(program_, mainWindow_).exec();
        break;
    case Action::Cancel:
        Form5(program_, mainWindow_).exec();
        break;
    case Action::Forfeit:
        Form6(program_, mainWindow_).exec();
        break;
    }
    program_.state.clearPicks();
    RunDsp();
    redrawMain_();
}

void Form2::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (isVisible()) {
        RunDsp();
    }
}
