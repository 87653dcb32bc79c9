#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/ScriptedPlatform.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/WindowPrinter.h"
#include "ui/dialogs/Form12.h"
#include "ui/dialogs/frmVer.h"
#include "ui/main/Form1.h"
#include "ui/main/MainGridView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// The main window on a temporary working folder with private settings and
// scripted answers: what it shows at start, its menus, and the commands that
// go through them.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        work_ = std::make_unique<QTemporaryDir>();
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(work_->isValid() && config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_->path());
        platform_ = std::make_unique<ScriptedPlatform>();
        settings_ = std::make_unique<QtSettingsStore>();
        program_ = std::make_unique<Program>(*platform_, clock_, *settings_,
                                             work_->path().toStdU16String());
        window_ = std::make_unique<Form1>(*program_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        program_.reset();
        settings_.reset();
        platform_.reset();
        WindowPrinter::setPdfOutput({});
    }

    void startUpWindow() {
        QVERIFY(window_->windowTitle().startsWith(QStringLiteral("　　ラリーノートメイン")));
        QStringList menus;
        for (QAction* action : window_->menuBar()->actions()) {
            menus << action->text();
        }
        const QStringList expected = {
            QStringLiteral("ﾌｧｲﾙ(&F)"),         QStringLiteral("登録(&R)"),
            QStringLiteral("試合方法変更(&C)"), QStringLiteral("表示(&V)"),
            QStringLiteral("完了報告(&E)"),     QStringLiteral("成績表示(&P)"),
            QStringLiteral("ログ(&L)"),         QStringLiteral("印字(&P)"),
            QStringLiteral("説明(&S)"),         QStringLiteral("ヘルプ（&H）")};
        QCOMPARE(menus, expected);

        auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("tabPage"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("     Ａチーム     "));
        QCOMPARE(tabs->tabText(1), QStringLiteral("     Ｂチーム     "));
        QCOMPARE(tabs->currentIndex(), 0);
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command6"}) {
            QVERIFY2(window_->findChild<QPushButton*>(QString::fromLatin1(name)), name);
        }
        QCOMPARE(program_->state.TeamSize[0], 10);
        QCOMPARE(program_->log.LogCount, 1);
        QVERIFY(platform_->events().empty());
    }

    void fileCommandsThroughTheMenu() {
        trigger("mnfileitem_0"); // New
        QCOMPARE(QString::fromStdU16String(program_->state.CurrentPath),
                 QStringLiteral("取りあえず.rlw"));
        QVERIFY(QFile::exists(work_->filePath(QStringLiteral("取りあえず.rlw"))));

        platform_->setNextFileName(work_->filePath(QStringLiteral("club.rly")).toStdU16String());
        trigger("mnfileitem_2"); // Save As
        QCOMPARE(QString::fromStdU16String(program_->state.CurrentPath),
                 QStringLiteral("club.rly"));
        auto* recent = window_->findChild<QAction*>(QStringLiteral("mnfilearray_1"));
        QVERIFY(recent && recent->isVisible());
        QCOMPARE(recent->text().trimmed(), QStringLiteral("club.rly"));
        QVERIFY(window_->findChild<QAction*>(QStringLiteral("mnfilearray_0"))->isVisible());
        QVERIFY(!window_->findChild<QAction*>(QStringLiteral("mnfilearray_2"))->isVisible());
    }

    void exitInIntraTeamModeRefuses() {
        QSignalSpy ended(window_.get(), &Form1::programEnded);
        program_->state.IntraTeamFlag = 1;
        trigger("mnfileitem_6");
        QCOMPARE(platform_->messages(),
                 std::vector<std::u16string>{
                     u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。"});
        QVERIFY(window_->isVisible());
        QCOMPARE(ended.count(), 0);

        program_->state.IntraTeamFlag = 0;
        trigger("mnfileitem_6");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window_->isVisible());
        QCOMPARE(program_->log.LogCount, 2);
    }

    void closingWithRunningMatchesAndNoKeepsTheWindow() {
        program_->state.RunningCount = 2;
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        QCOMPARE(program_->log.LogCount, 1);
        platform_->setNextAnswer(true);
        QVERIFY(window_->close());
        QCOMPARE(program_->log.LogCount, 2);
    }

    void helpKeyAndHelpMenu() {
        QTest::keyClick(window_.get(), Qt::Key_F2);
        QVERIFY(platform_->helpPages().empty());
        QTest::keyClick(window_.get(), Qt::Key_F1);
        trigger("mnHelpCont");
        const QString html = work_->path() + QStringLiteral("/html/");
        QCOMPARE(platform_->helpPages(),
                 (std::vector<std::string>{(html + QStringLiteral("TENIS5.htm")).toStdString(),
                                           (html + QStringLiteral("RLY_MM.htm")).toStdString()}));
    }

    void explanationPanelToggles() {
        auto* panel = window_->findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
        QVERIFY(panel && !panel->isVisible());
        trigger("mnhlp");
        QVERIFY(panel->isVisible());
        QVERIFY(panel->toPlainText().contains(QStringLiteral("★ 説明 ★")));
        trigger("mnhlp");
        QVERIFY(!panel->isVisible());
    }

    void versionBox() {
        trigger("mnHelpVer");
        auto* box = window_->findChild<frmVer*>(QStringLiteral("frmVer"));
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblVer"))->text(),
                 QStringLiteral("Version  2. 1. 0"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblExe"))->text(),
                 QStringLiteral("TestMainWindow"));
    }

    void logViewerShowsTheLogNewestFirst() {
        program_->log.AppendLog(u"ｸﾘｱｰ");
        QString caption;
        QString header;
        QString body;
        QTimer::singleShot(0, this, [&] {
            auto* viewer = qobject_cast<Form12*>(QApplication::activeModalWidget());
            QVERIFY(viewer);
            caption = viewer->windowTitle();
            header = viewer->findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
            body = viewer->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
            QTest::keyClick(viewer, Qt::Key_F1);
            viewer->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        trigger("mnlogitem_0");
        QVERIFY(caption.endsWith(QStringLiteral("ログ表示")));
        QCOMPARE(header, QStringLiteral(" NO YY/MM/DD TIME    区分　内容　"));
        const QStringList lines = body.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral(" 002 ")));
        QVERIFY(lines[1].contains(QStringLiteral("起動")));
        QCOMPARE(platform_->helpPages().size(), 1u);
        QVERIFY(platform_->helpPages()[0].ends_with("/html/TENIS8.htm"));
    }

    void printingTheWindowMakesAPdf() {
        const QString pdf = work_->filePath(QStringLiteral("main.pdf"));
        WindowPrinter::setPdfOutput(pdf);
        trigger("mnprn");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
    }

    void gridModelPassesTheModelTester() {
        QAbstractItemModel* model = window_->grid()->model();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        trigger("mnfileitem_0");
        window_->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        QCOMPARE(program_->state.CurrentTeam, 1);
        QCOMPARE(window_->findChild<QTabBar*>(QStringLiteral("tabPage"))->currentIndex(), 1);
        QCOMPARE(model->rowCount(), program_->view.grid.rows);
        QCOMPARE(model->columnCount(), program_->view.grid.columns);
    }

private:
    void trigger(const char* name) {
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }

    SystemClock clock_;
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<QtSettingsStore> settings_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Form1> window_;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
