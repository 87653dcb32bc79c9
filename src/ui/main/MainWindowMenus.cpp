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
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
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

// A menu array: element i is named "<array>_<i>"; an empty caption is a
// separator.
QList<QAction*> MainWindow::addItems(QMenu* menu, const char* array, const QStringList& captions) {
    QList<QAction*> items;
    for (qsizetype index = 0; index < captions.size(); ++index) {
        const QString name = QStringLiteral("%1_%2").arg(QString::fromLatin1(array)).arg(index);
        QAction* item =
            captions[index].isEmpty() ? menu->addSeparator() : addItem(menu, name, captions[index]);
        item->setObjectName(name);
        items.append(item);
    }
    return items;
}

// The menu bar in its fixed order. Items whose windows belong to the
// registration, match and report parts of the program are named after their
// menu arrays (mnregitem_0 ...) so that those windows can be attached.
void MainWindow::buildMenus() {
    fileMenu_ = addMenu("mnfile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    const QString fileItems[] = {QStringLiteral("新規作成(&N)"),
                                 QStringLiteral("開く(&O)"),
                                 QStringLiteral("名前を付けて保存(&A)"),
                                 QString(),
                                 QStringLiteral("ｸﾛｰｽﾞ(&C)"),
                                 QString(),
                                 QStringLiteral("終了(&X)")};
    for (int index = 0; index < 7; ++index) {
        if (fileItems[index].isEmpty()) {
            fileMenu_->addSeparator()->setObjectName(QStringLiteral("mnfileitem_%1").arg(index));
            continue;
        }
        QAction* item =
            addItem(fileMenu_, QStringLiteral("mnfileitem_%1").arg(index), fileItems[index]);
        connect(item, &QAction::triggered, this, [this, index] { onFileItem(index); });
    }
    recentSeparator_ = fileMenu_->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("mnfilearray_0"));
    for (int index = 1; index <= RecentFiles::kMaxEntries; ++index) {
        QAction* item = addItem(fileMenu_, QStringLiteral("mnfilearray_%1").arg(index), {});
        connect(item, &QAction::triggered, this, [this, index] { onRecentFile(index); });
        recentItems_.append(item);
    }

    QMenu* registration = addMenu("mnreg", QStringLiteral("登録(&R)"));
    addItems(registration, "mnregitem",
             {QString(), QStringLiteral("マスター登録(&N)"), QString(),
              QStringLiteral("チーム情報登録(&T)"), QStringLiteral("参加者登録(&M)"), QString(),
              QStringLiteral("現データ．クリア(&C)"), QString(),
              QStringLiteral("全データ・クリアー(&A)")});

    QMenu* method = addMenu("mnvs", QStringLiteral("試合方法変更(&C)"));
    addItems(method, "mnvsitem", {QStringLiteral("チーム内対抗設定/解除(&T)")});

    QMenu* display = addMenu("mndsp", QStringLiteral("表示(&V)"));
    const QList<QAction*> displayItems = addItems(
        display, "mndspitem", {QStringLiteral("全画面(&A)"), QStringLiteral("調整画面(&B)")});
    for (int index = 0; index < 2; ++index) {
        connect(displayItems[index], &QAction::triggered, this, [this, index] {
            layout_.selectDisplayMode(program_, index);
            render();
        });
    }
    display->addSeparator();
    display->addAction(suggestions_->toggleAction());

    QMenu* completion = addMenu("mnend", QStringLiteral("完了報告(&E)"));
    const QList<QAction*> completionItems =
        addItems(completion, "mnenditem",
                 {QStringLiteral("終了(&E)"), QString(), QStringLiteral("終了戻し(&C)")});
    for (int index : {0, 2}) {
        connect(completionItems[index], &QAction::triggered, this,
                [this, index] { matchFlow_->completionMenu(index); });
    }

    QAction* report = menuBar()->addAction(QStringLiteral("成績表示(&P)"));
    report->setObjectName(QStringLiteral("mnpoint"));
    connect(report, &QAction::triggered, this, &MainWindow::showReport);

    QMenu* log = addMenu("mnlog", QStringLiteral("ログ(&L)"));
    const QList<QAction*> logItems =
        addItems(log, "mnlogitem",
                 {QStringLiteral("ログ表示(&V)"), QString(), QStringLiteral("ログｸﾘｱｰ(&C)")});
    for (int index : {LogView, LogClear}) {
        connect(logItems[index], &QAction::triggered, this, [this, index] { onLogItem(index); });
    }

    QAction* print = menuBar()->addAction(QStringLiteral("印字(&P)"));
    print->setObjectName(QStringLiteral("mnprn"));
    connect(print, &QAction::triggered, this, &MainWindow::printWindow);

    QAction* explanation = menuBar()->addAction(QStringLiteral("説明(&S)"));
    explanation->setObjectName(QStringLiteral("mnhlp"));
    connect(explanation, &QAction::triggered, this, [this] {
        layout_.toggleExplanation();
        render();
    });

    QMenu* help = addMenu("mnHelp", QStringLiteral("ヘルプ（&H）"));
    connect(addItem(help, QStringLiteral("mnHelpCont"), QStringLiteral("目次（&C）")),
            &QAction::triggered, this, [this] {
                showHelp(program_.platform, program_.workDir, HelpPage::kContents, kHelpKey);
            });
    connect(addItem(help, QStringLiteral("mnHelpVer"), QStringLiteral("バージョン情報（&A）")),
            &QAction::triggered, this, &MainWindow::showVersionBox);
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

void MainWindow::onFileItem(int index) {
    if (runFileMenuItem(program_, layout_, index) == FileOutcome::Quit) {
        ended_ = true;
        close();
        emit programEnded();
        return;
    }
    render();
}

void MainWindow::onRecentFile(int index) {
    openRecentFile(program_, index);
    render();
}

void MainWindow::onLogItem(int index) {
    if (runLogMenuItem(program_, index)) {
        LogViewerDialog viewer(program_, this);
        viewer.exec();
    }
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
