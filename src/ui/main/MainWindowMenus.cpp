#include "ui/main/MainWindow.h"

#include "app/FileCommands.h"
#include "app/Help.h"
#include "app/LogCommands.h"
#include "app/Program.h"
#include "app/ReportCommands.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LogViewerDialog.h"
#include "ui/dialogs/MatchFlow.h"
#include "ui/dialogs/StandingsReportDialog.h"
#include "ui/main/RegistrationCommands.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

QMenu* MainWindow::addMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void MainWindow::addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

// The menu bar in its fixed order. Every item keeps the objectName of its
// menu array element ("mnfileitem_0" ...), separators included.
void MainWindow::buildMenus() {
    fileMenu_ = addMenu("mnfile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    newAction_ = addItem(fileMenu_, QStringLiteral("mnfileitem_0"), QStringLiteral("新規作成(&N)"));
    openAction_ = addItem(fileMenu_, QStringLiteral("mnfileitem_1"), QStringLiteral("開く(&O)"));
    saveAsAction_ =
        addItem(fileMenu_, QStringLiteral("mnfileitem_2"), QStringLiteral("名前を付けて保存(&A)"));
    addSeparator(fileMenu_, QStringLiteral("mnfileitem_3"));
    closeAction_ = addItem(fileMenu_, QStringLiteral("mnfileitem_4"), QStringLiteral("ｸﾛｰｽﾞ(&C)"));
    addSeparator(fileMenu_, QStringLiteral("mnfileitem_5"));
    exitAction_ = addItem(fileMenu_, QStringLiteral("mnfileitem_6"), QStringLiteral("終了(&X)"));
    recentSeparator_ = fileMenu_->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("mnfilearray_0"));
    for (int index = 1; index <= RecentFiles::kMaxEntries; ++index) {
        recentItems_.append(addItem(fileMenu_, QStringLiteral("mnfilearray_%1").arg(index), {}));
    }

    QMenu* registration = addMenu("mnreg", QStringLiteral("登録(&R)"));
    addSeparator(registration, QStringLiteral("mnregitem_0"));
    masterAction_ =
        addItem(registration, QStringLiteral("mnregitem_1"), QStringLiteral("マスター登録(&N)"));
    addSeparator(registration, QStringLiteral("mnregitem_2"));
    teamInfoAction_ =
        addItem(registration, QStringLiteral("mnregitem_3"), QStringLiteral("チーム情報登録(&T)"));
    rosterAction_ =
        addItem(registration, QStringLiteral("mnregitem_4"), QStringLiteral("参加者登録(&M)"));
    addSeparator(registration, QStringLiteral("mnregitem_5"));
    clearCurrentAction_ = addItem(registration, QStringLiteral("mnregitem_6"),
                                  QStringLiteral("現データ．クリア(&C)"));
    addSeparator(registration, QStringLiteral("mnregitem_7"));
    clearAllAction_ = addItem(registration, QStringLiteral("mnregitem_8"),
                              QStringLiteral("全データ・クリアー(&A)"));
    // The club register's windows, below the original items.
    registration->addSeparator();
    checkInAction_ =
        addItem(registration, QStringLiteral("mnregCheckIn"), QStringLiteral("受付(&U)"));
    checkInAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    attendanceAction_ = addItem(registration, QStringLiteral("mnregAttendance"),
                                QStringLiteral("出席・会費表(&Y)"));

    QMenu* method = addMenu("mnvs", QStringLiteral("試合方法変更(&C)"));
    intraTeamAction_ =
        addItem(method, QStringLiteral("mnvsitem_0"), QStringLiteral("チーム内対抗設定/解除(&T)"));

    QMenu* display = addMenu("mndsp", QStringLiteral("表示(&V)"));
    fullScreenAction_ =
        addItem(display, QStringLiteral("mndspitem_0"), QStringLiteral("全画面(&A)"));
    adjustedScreenAction_ =
        addItem(display, QStringLiteral("mndspitem_1"), QStringLiteral("調整画面(&B)"));
    display->addSeparator();
    display->addAction(suggestions_->toggleAction());
    courtBoardAction_ =
        addItem(display, QStringLiteral("mndspBoard"), QStringLiteral("コートボード(&B)"));
    courtBoardAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    phoneAction_ = addItem(display, QStringLiteral("mndspPhone"), QStringLiteral("スマホ表示(&M)"));

    QMenu* completion = addMenu("mnend", QStringLiteral("完了報告(&E)"));
    completeAction_ =
        addItem(completion, QStringLiteral("mnenditem_0"), QStringLiteral("終了(&E)"));
    addSeparator(completion, QStringLiteral("mnenditem_1"));
    undoCompletionAction_ =
        addItem(completion, QStringLiteral("mnenditem_2"), QStringLiteral("終了戻し(&C)"));

    reportAction_ = menuBar()->addAction(QStringLiteral("成績表示(&P)"));
    reportAction_->setObjectName(QStringLiteral("mnpoint"));

    QMenu* log = addMenu("mnlog", QStringLiteral("ログ(&L)"));
    logViewAction_ = addItem(log, QStringLiteral("mnlogitem_0"), QStringLiteral("ログ表示(&V)"));
    addSeparator(log, QStringLiteral("mnlogitem_1"));
    logClearAction_ = addItem(log, QStringLiteral("mnlogitem_2"), QStringLiteral("ログｸﾘｱｰ(&C)"));

    printAction_ = menuBar()->addAction(QStringLiteral("印字(&P)"));
    printAction_->setObjectName(QStringLiteral("mnprn"));

    explanationAction_ = menuBar()->addAction(QStringLiteral("説明(&S)"));
    explanationAction_->setObjectName(QStringLiteral("mnhlp"));

    QMenu* help = addMenu("mnHelp", QStringLiteral("ヘルプ（&H）"));
    helpContentsAction_ = addItem(help, QStringLiteral("mnHelpCont"), QStringLiteral("目次（&C）"));
    aboutAction_ =
        addItem(help, QStringLiteral("mnHelpVer"), QStringLiteral("バージョン情報（&A）"));
}

void MainWindow::connectMenus() {
    connect(newAction_, &QAction::triggered, this, &MainWindow::newMeeting);
    connect(openAction_, &QAction::triggered, this, &MainWindow::openMeeting);
    connect(saveAsAction_, &QAction::triggered, this, &MainWindow::saveMeetingAs);
    connect(closeAction_, &QAction::triggered, this, &MainWindow::closeMeeting);
    connect(exitAction_, &QAction::triggered, this, &MainWindow::exitProgram);
    for (int index = 1; index <= RecentFiles::kMaxEntries; ++index) {
        connect(recentItems_[index - 1], &QAction::triggered, this,
                [this, index] { openRecentFile(index); });
    }
    connect(masterAction_, &QAction::triggered, registration_,
            &RegistrationCommands::openMasterEditor);
    connect(teamInfoAction_, &QAction::triggered, registration_,
            &RegistrationCommands::openTeamInfo);
    connect(rosterAction_, &QAction::triggered, registration_, &RegistrationCommands::openRoster);
    connect(clearCurrentAction_, &QAction::triggered, registration_,
            &RegistrationCommands::clearCurrentData);
    connect(clearAllAction_, &QAction::triggered, registration_,
            &RegistrationCommands::clearAllData);
    connect(checkInAction_, &QAction::triggered, registration_, &RegistrationCommands::openCheckIn);
    connect(attendanceAction_, &QAction::triggered, registration_,
            &RegistrationCommands::openAttendance);
    connect(intraTeamAction_, &QAction::triggered, registration_,
            &RegistrationCommands::toggleIntraTeam);
    connect(fullScreenAction_, &QAction::triggered, this, &MainWindow::selectFullScreen);
    connect(adjustedScreenAction_, &QAction::triggered, this, &MainWindow::selectAdjustedScreen);
    connect(courtBoardAction_, &QAction::triggered, this, &MainWindow::openCourtBoard);
    connect(phoneAction_, &QAction::triggered, this, &MainWindow::openPhoneAccess);
    connect(completeAction_, &QAction::triggered, this, &MainWindow::completeMeeting);
    connect(undoCompletionAction_, &QAction::triggered, this, &MainWindow::undoCompletion);
    connect(reportAction_, &QAction::triggered, this, &MainWindow::showReport);
    connect(logViewAction_, &QAction::triggered, this, &MainWindow::showLog);
    connect(logClearAction_, &QAction::triggered, this, &MainWindow::clearLog);
    connect(printAction_, &QAction::triggered, this, &MainWindow::printWindow);
    connect(explanationAction_, &QAction::triggered, this, &MainWindow::toggleExplanation);
    connect(helpContentsAction_, &QAction::triggered, this, &MainWindow::showHelpContents);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::showVersionBox);
}

void MainWindow::renderRecentFiles() {
    const RecentFiles& recent = program_.recent;
    // Entries restored at start-up are shown at once so that they can be picked.
    recentSeparator_->setVisible(recent.separatorVisible || recent.entryCount > 0);
    for (int index = 1; index <= RecentFiles::kMaxEntries; ++index) {
        QAction* item = recentItems_[index - 1];
        const bool shown = index <= recent.entryCount;
        item->setVisible(shown);
        // A caption is a file name: its "&" is not a mnemonic.
        item->setText(shown ? QString::fromStdU16String(recent.caption(index))
                                  .replace(u'&', QStringLiteral("&&"))
                            : QString());
    }
}

void MainWindow::newMeeting() {
    ::newMeeting(program_, layout_);
    render();
}

void MainWindow::openMeeting() {
    ::openMeeting(program_, layout_);
    render();
}

void MainWindow::saveMeetingAs() {
    ::saveMeetingAs(program_, layout_);
    render();
}

void MainWindow::closeMeeting() {
    ::closeMeeting(program_, layout_);
    render();
}

// After Exit has logged the end and saved the settings the window closes
// without asking again.
void MainWindow::exitProgram() {
    if (::exitProgram(program_) == FileOutcome::Quit) {
        ended_ = true;
        close();
        emit programEnded();
        return;
    }
    render();
}

void MainWindow::openRecentFile(int index) {
    ::openRecentFile(program_, index);
    render();
}

void MainWindow::selectFullScreen() {
    layout_.selectFullScreen(program_);
    render();
}

void MainWindow::selectAdjustedScreen() {
    layout_.selectAdjustedScreen(program_);
    render();
}

void MainWindow::completeMeeting() {
    matchFlow_->completeMeeting();
}

void MainWindow::undoCompletion() {
    matchFlow_->undoCompletion();
}

void MainWindow::showLog() {
    LogViewerDialog viewer(program_, this);
    viewer.exec();
}

void MainWindow::clearLog() {
    ::clearLog(program_);
}

void MainWindow::toggleExplanation() {
    layout_.toggleExplanation();
    render();
}

void MainWindow::showHelpContents() {
    showHelp(program_.platform, program_.workDir, HelpPage::kContents);
}

void MainWindow::showVersionBox() {
    if (!versionBox_) {
        versionBox_ = new AboutDialog(this);
    }
    versionBox_->show();
    versionBox_->raise();
}

// The report shows the totals over all meetings, which the main window shows
// behind it; closing it brings back the current meeting.
void MainWindow::showReport() {
    showStandingsReport(program_, [this] {
        render();
        StandingsReportDialog report(program_, this);
        report.exec();
    });
    render();
}

void MainWindow::printWindow() {
    WindowPrinter::print(*this);
}
