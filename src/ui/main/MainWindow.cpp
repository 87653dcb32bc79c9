#include "ui/main/MainWindow.h"

#include "app/Help.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "platform/qt/HelpShortcut.h"
#include "platform/qt/QtText.h"
#include "ui/board/CourtBoardWindow.h"
#include "ui/dialogs/MatchFlow.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/main/MainGridModel.h"
#include "ui/main/MainGridView.h"
#include "ui/main/RegistrationCommands.h"
#include "ui/phones/PhoneAccess.h"
#include "ui/phones/PhoneAccessDialog.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

namespace {

QColor toQColor(const Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}

void setBackground(QWidget* widget, const Rgb& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setObjectName(QStringLiteral("Form1"));
    buildWidgets();
    buildMenus();
    registration_ = new RegistrationCommands(program_, *this, layout_, [this] { render(); });
    connectCommands();
    connectMenus();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWidgets() {
    central_ = new QWidget(this);
    setCentralWidget(central_);

    frame_ = new QFrame(central_);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Panel);
    frame_->setGeometry(8, 6, 560, 72);
    setBackground(frame_, Rgb{255, 255, 224});

    const auto label = [this](const char* name, QRect place) {
        auto* created = new QLabel(frame_);
        created->setObjectName(QString::fromLatin1(name));
        created->setGeometry(place);
        return created;
    };
    teamLabel_ = label("lblTeam", {8, 4, 330, 30});
    QFont teamFont = teamLabel_->font();
    teamFont.setPointSizeF(teamFont.pointSizeF() * 1.4);
    teamFont.setBold(true);
    teamLabel_->setFont(teamFont);
    meetingLabel_ = label("lblKaisu", {346, 4, 206, 30});
    methodLabel_ = label("lblMethod", {8, 38, 190, 28});
    methodLabel_->setAlignment(Qt::AlignCenter);
    fileLabel_ = label("lblFile", {206, 38, 346, 28});

    tabs_ = new QTabBar(central_);
    tabs_->setObjectName(QStringLiteral("tabPage"));
    tabs_->setExpanding(false);

    statusLabel_ = new QLabel(central_);
    statusLabel_->setObjectName(QStringLiteral("Label4"));
    statusLabel_->setGeometry(8, 86, 110, 30);
    statusLabel_->setAlignment(Qt::AlignCenter);
    statusLabel_->setAutoFillBackground(true);
    QPalette statusPalette = statusLabel_->palette();
    statusPalette.setColor(QPalette::WindowText, Qt::white);
    statusLabel_->setPalette(statusPalette);
    QFont statusFont = statusLabel_->font();
    statusFont.setBold(true);
    statusLabel_->setFont(statusFont);

    totalsButton_ = addButton("Command1", QStringLiteral("合計切替"), 124);
    previousButton_ = addButton("Command2", QStringLiteral("前回表示"), 168);
    currentButton_ = addButton("Command3", QStringLiteral("表示戻し"), 212);
    teamButton_ = addButton("Command4", QStringLiteral("チーム切替"), 256);
    runningButton_ = addButton("Command6", QStringLiteral("試合中表示"), 300);

    grid_ = new MainGridView(central_);
    grid_->setObjectName(QStringLiteral("Grid1"));
    grid_->setGeometry(126, 86, 824, 560);
    model_ = new MainGridModel(program_.view.grid, this);
    grid_->setGridModel(model_);

    explanation_ = new QPlainTextEdit(central_);
    explanation_->setObjectName(QStringLiteral("Text2"));
    explanation_->setReadOnly(true);
    explanation_->setPlainText(QString::fromUtf16(explanationText().data(),
                                                  static_cast<qsizetype>(explanationText().size()))
                                   .remove(u'\r'));
    explanation_->hide();

    openedFileLabel_ = new QLabel(this);
    openedFileLabel_->setObjectName(QStringLiteral("lblOpenFile"));
    statusBar()->addWidget(openedFileLabel_, 1);
    statusBar()->setSizeGripEnabled(true);
    buildSuggestionPanel();
    // F1 opens the suggestions' page while the panel has the focus.
    installHelpShortcut(*this, program_, [this] {
        return suggestions_->isAncestorOf(focusWidget()) ? std::string_view(HelpPage::kSuggestions)
                                                         : std::string_view(HelpPage::kMainWindow);
    });
    buildPhoneAccess();
}

QPushButton* MainWindow::addButton(const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, central_);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(8, top, 110, 38);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void MainWindow::render() {
    const MainView& view = program_.view;
    setWindowTitle(toQString(view.caption));
    setBackground(central_, view.windowBack);
    renderLabels();
    renderGrid();
    tabs_->setCurrentIndex(layout_.selectedTeam);
    tabs_->setEnabled(registration_->tabStripEnabled());
    QFont tabFont = tabs_->font();
    tabFont.setPointSizeF(layout_.tabFontSize);
    tabs_->setFont(tabFont);
    explanation_->setGeometry(grid_->geometry());
    explanation_->setVisible(layout_.explanationVisible);
    explanation_->raise();
    openedFileLabel_->setText(toQString(layout_.openedFileLabel));
    renderRecentFiles();
    renderSuggestions();
    refreshCourtBoard();
    publishToPhones();
}

void MainWindow::renderLabels() {
    const MainView& view = program_.view;
    teamLabel_->setText(toQString(view.teamLabel));
    meetingLabel_->setText(toQString(view.meetingLabel));
    methodLabel_->setText(toQString(view.methodLabel));
    setBackground(methodLabel_, view.methodLabelBack);
    fileLabel_->setText(toQString(view.fileLabel));
    statusLabel_->setText(toQString(view.statusLabel));
    setBackground(statusLabel_, view.statusLabelBack);
}

void MainWindow::renderGrid() {
    QFont font = grid_->font();
    font.setPointSizeF(layout_.gridFontSize);
    font.setBold(layout_.gridFontBold);
    font.setItalic(layout_.gridItalic);
    model_->refresh(toQColor(layout_.gridFore), font);
    const GridModel& cells = program_.view.grid;
    grid_->applySizes(cells.columnWidths, cells.rowHeights);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ended_ && handleCloseRequest(program_)) {
        event->ignore();
        return;
    }
    ended_ = true;
    if (RunningMatchesWindow* list = matchFlow_->runningList()) {
        list->close();
    }
    if (versionBox_) {
        versionBox_->close();
    }
    if (board_) {
        board_->close();
    }
    if (phoneDialog_) {
        phoneDialog_->close();
    }
    phones_->switchOff();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (chooseSuggestionByKey(*event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}
