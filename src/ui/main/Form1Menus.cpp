#include "ui/main/Form1.h"

#include "app/FileCommands.h"
#include "app/Help.h"
#include "app/LogCommands.h"
#include "app/Program.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/Form12.h"
#include "ui/dialogs/frmVer.h"

#include <QAction>
#include <QMenuBar>

QMenu* Form1::addMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* Form1::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// The menu bar in its fixed order. Items whose windows belong to the
// registration, match and report parts of the program are named after their
// menu arrays (mnregitem_0 ...) so that those windows can be attached.
void Form1::buildMenus() {
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
    const QString registrationItems[] = {
        QStringLiteral("マスター登録(&N)"), QStringLiteral("チーム情報登録(&T)"),
        QStringLiteral("参加者登録(&M)"), QStringLiteral("現データ．クリア(&C)"),
        QStringLiteral("全データ・クリアー(&A)")};
    for (int index = 0; index < 5; ++index) {
        addItem(registration, QStringLiteral("mnregitem_%1").arg(index), registrationItems[index]);
    }

    QMenu* method = addMenu("mnvs", QStringLiteral("試合方法変更(&C)"));
    addItem(method, QStringLiteral("mnvsitem_0"), QStringLiteral("チーム内対抗設定/解除(&T)"));

    QMenu* display = addMenu("mndsp", QStringLiteral("表示(&V)"));
    const QString displayItems[] = {QStringLiteral("全画面(&A)"), QStringLiteral("調整画面(&B)")};
    for (int index = 0; index < 2; ++index) {
        QAction* item =
            addItem(display, QStringLiteral("mndspitem_%1").arg(index), displayItems[index]);
        connect(item, &QAction::triggered, this, [this, index] {
            layout_.mndspitem_Click(program_, index);
            render();
        });
    }

    QMenu* completion = addMenu("mnend", QStringLiteral("完了報告(&E)"));
    addItem(completion, QStringLiteral("mnenditem_0"), QStringLiteral("終了(&E)"));
    addItem(completion, QStringLiteral("mnenditem_1"), QStringLiteral("終了戻し(&C)"));

    QAction* report = menuBar()->addAction(QStringLiteral("成績表示(&P)"));
    report->setObjectName(QStringLiteral("mnpoint"));

    QMenu* log = addMenu("mnlog", QStringLiteral("ログ(&L)"));
    connect(addItem(log, QStringLiteral("mnlogitem_0"), QStringLiteral("ログ表示(&V)")),
            &QAction::triggered, this, [this] { onLogItem(LogView); });
    log->addSeparator()->setObjectName(QStringLiteral("mnlogitem_1"));
    connect(addItem(log, QStringLiteral("mnlogitem_2"), QStringLiteral("ログｸﾘｱｰ(&C)")),
            &QAction::triggered, this, [this] { onLogItem(LogClear); });

    QAction* print = menuBar()->addAction(QStringLiteral("印字(&P)"));
    print->setObjectName(QStringLiteral("mnprn"));
    connect(print, &QAction::triggered, this, &Form1::printWindow);

    QAction* explanation = menuBar()->addAction(QStringLiteral("説明(&S)"));
    explanation->setObjectName(QStringLiteral("mnhlp"));
    connect(explanation, &QAction::triggered, this, [this] {
        layout_.mnhlp_Click();
        render();
    });

    QMenu* help = addMenu("mnHelp", QStringLiteral("ヘルプ（&H）"));
    connect(addItem(help, QStringLiteral("mnHelpCont"), QStringLiteral("目次（&C）")),
            &QAction::triggered, this, [this] {
                ShowHelp(program_.platform, program_.workDir, HelpPage::kContents, kHelpKey);
            });
    connect(addItem(help, QStringLiteral("mnHelpVer"), QStringLiteral("バージョン情報（&A）")),
            &QAction::triggered, this, &Form1::showVersionBox);
}

void Form1::renderRecentFiles() {
    const RecentFiles& recent = program_.recent;
    // Entries restored at start-up are shown at once so that they can be picked.
    recentSeparator_->setVisible(recent.separatorVisible || recent.RecentCount > 0);
    for (int index = 1; index <= RecentFiles::kMaxEntries; ++index) {
        QAction* item = recentItems_[index - 1];
        const bool shown = index <= recent.RecentCount;
        item->setVisible(shown);
        // A caption is a file name: its "&" is not a mnemonic.
        item->setText(
            shown
                ? QString::fromStdU16String(recent.entry(index)).replace(u'&', QStringLiteral("&&"))
                : QString());
    }
}

void Form1::onFileItem(int index) {
    if (mnfileitem_Click(program_, layout_, index) == FileOutcome::Quit) {
        ended_ = true;
        close();
        emit programEnded();
        return;
    }
    render();
}

void Form1::onRecentFile(int index) {
    mnfilearray_Click(program_, index);
    render();
}

void Form1::onLogItem(int index) {
    if (mnlogitem_Click(program_, index)) {
        Form12 viewer(program_, this);
        viewer.exec();
    }
}

void Form1::showVersionBox() {
    if (!versionBox_) {
        versionBox_ = new frmVer(this);
    }
    versionBox_->show();
    versionBox_->raise();
}

void Form1::printWindow() {
    WindowPrinter::print(*this);
}
