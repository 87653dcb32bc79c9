#include "ui/board/CourtBoardWindow.h"

#include "app/Help.h"
#include "app/Program.h"
#include "board/BoardScreen.h"
#include "platform/Clock.h"
#include "platform/qt/QtText.h"
#include "suggestions/MatchTimes.h"
#include "ui/board/BoardHeader.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QWidgetAction>
#include <QWindow>

void CourtBoardWindow::buildMenu() {
    menuBar_ = new QMenuBar(this);
    menu_ = menuBar_->addMenu(QStringLiteral("ボード(&B)"));
    menu_->setObjectName(QStringLiteral("mnBoard"));

    contrastAction_ = menu_->addAction(QStringLiteral("高コントラスト（白文字・黒地）(&C)"));
    contrastAction_->setObjectName(QStringLiteral("mnBoardContrast"));
    contrastAction_->setCheckable(true);
    contrastAction_->setChecked(settings_.highContrast);
    standingsAction_ = menu_->addAction(QStringLiteral("順位表を表示(&R)"));
    standingsAction_->setObjectName(QStringLiteral("mnBoardStandings"));
    standingsAction_->setCheckable(true);
    standingsAction_->setChecked(settings_.standingsShown);
    menu_->addSeparator();

    // The minutes per round, set in the menu itself.
    auto* minutesItem = new QWidgetAction(menu_);
    auto* minutesRow = new QWidget(menu_);
    auto* row = new QHBoxLayout(minutesRow);
    row->setContentsMargins(24, 2, 8, 2);
    row->addWidget(new QLabel(QStringLiteral("１ラウンド"), minutesRow));
    minutesBox_ = new QSpinBox(minutesRow);
    minutesBox_->setObjectName(QStringLiteral("txtBoardMinutes"));
    minutesBox_->setRange(1, RoundTimer::kMaxMinutes);
    minutesBox_->setValue(settings_.roundMinutes);
    row->addWidget(minutesBox_);
    row->addWidget(new QLabel(QStringLiteral("分"), minutesRow));
    minutesItem->setDefaultWidget(minutesRow);
    menu_->addAction(minutesItem);
    startRoundAction_ = menu_->addAction(QStringLiteral("ラウンドタイマー開始(&S)"));
    startRoundAction_->setObjectName(QStringLiteral("mnBoardStartRound"));
    stopRoundAction_ = menu_->addAction(QStringLiteral("ラウンドタイマー停止(&T)"));
    stopRoundAction_->setObjectName(QStringLiteral("mnBoardStopRound"));
    menu_->addSeparator();

    fullScreenAction_ = menu_->addAction(QStringLiteral("全画面(&F)\tF11"));
    fullScreenAction_->setObjectName(QStringLiteral("mnBoardFullScreen"));
    screenMenu_ = menu_->addMenu(QStringLiteral("表示する画面(&D)"));
    screenMenu_->setObjectName(QStringLiteral("mnBoardScreen"));
    screenGroup_ = new QActionGroup(this);
    connect(screenMenu_, &QMenu::aboutToShow, this, &CourtBoardWindow::fillScreenMenu);
    menu_->addSeparator();
    helpAction_ = menu_->addAction(QStringLiteral("ヘルプ(&H)\tF1"));
    closeAction_ = menu_->addAction(QStringLiteral("閉じる(&X)"));

    connect(contrastAction_, &QAction::toggled, this, &CourtBoardWindow::setHighContrast);
    connect(standingsAction_, &QAction::toggled, this, &CourtBoardWindow::setStandingsShown);
    connect(minutesBox_, &QSpinBox::valueChanged, this, [this](int minutes) {
        settings_.roundMinutes = minutes;
        remember();
    });
    connect(startRoundAction_, &QAction::triggered, this, &CourtBoardWindow::startRound);
    connect(stopRoundAction_, &QAction::triggered, this, &CourtBoardWindow::stopRound);
    connect(fullScreenAction_, &QAction::triggered, this, &CourtBoardWindow::toggleFullScreen);
    connect(helpAction_, &QAction::triggered, this, &CourtBoardWindow::showHelpPage);
    connect(closeAction_, &QAction::triggered, this, &QWidget::close);
}

void CourtBoardWindow::contextMenuEvent(QContextMenuEvent* event) {
    menu_->exec(event->globalPos());
}

// The screens by name, the board's own checked.
void CourtBoardWindow::fillScreenMenu() {
    screenMenu_->clear();
    for (QScreen* screen : QGuiApplication::screens()) {
        QAction* item = screenMenu_->addAction(screen->name());
        item->setCheckable(true);
        item->setChecked(screen == this->screen());
        screenGroup_->addAction(item);
        connect(item, &QAction::triggered, this, [this, screen] { chooseScreen(screen); });
    }
}

QScreen* CourtBoardWindow::boardScreen() const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<std::u16string> names;
    for (const QScreen* screen : screens) {
        names.push_back(toU16(screen->name()));
    }
    const QScreen* organisers =
        organiser_ ? organiser_->screen() : QGuiApplication::primaryScreen();
    const int index =
        boardScreenIndex(names, static_cast<int>(screens.indexOf(organisers)), settings_.screen);
    return index < 0 ? nullptr : screens.at(index);
}

void CourtBoardWindow::open() {
    QScreen* screen = boardScreen();
    if (screen == nullptr) {
        if (!isVisible()) {
            show();
        }
    } else {
        moveToScreen(screen);
    }
    refresh();
}

void CourtBoardWindow::moveToScreen(QScreen* screen) {
    if (isFullScreen()) {
        showNormal();
    }
    create();
    windowHandle()->setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
}

void CourtBoardWindow::chooseScreen(QScreen* screen) {
    settings_.screen = toU16(screen->name());
    remember();
    moveToScreen(screen);
    refresh();
}

void CourtBoardWindow::toggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void CourtBoardWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        menuBar_->setVisible(!isFullScreen());
        layOutParts();
    }
}

void CourtBoardWindow::setHighContrast(bool on) {
    settings_.highContrast = on;
    theme_ = boardTheme(on);
    remember();
    renderContent();
}

void CourtBoardWindow::setStandingsShown(bool on) {
    settings_.standingsShown = on;
    standingsIndex_ = 0;
    remember();
    renderContent();
}

void CourtBoardWindow::startRound() {
    round_.start(minutesBox_->value(), secondsOf(program_.clock.now()));
    lastPhase_ = TimerPhase::Off;
    showTimer(secondsOf(program_.clock.now()));
}

void CourtBoardWindow::stopRound() {
    round_.stop();
    showTimer(secondsOf(program_.clock.now()));
}

void CourtBoardWindow::showHelpPage() {
    showHelp(program_.platform, program_.workDir, HelpPage::kCourtBoard, kHelpKey);
}

void CourtBoardWindow::remember() {
    saveBoardSettings(program_.settings, settings_);
}
