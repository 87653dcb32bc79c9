#include "GuiTestHelpers.h"
#include "ScriptedPlatform.h"
#include "app/LogCommands.h"
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/WindowPrinter.h"
#include "suggestions/SuggestionText.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LogViewerDialog.h"
#include "ui/main/MainGridView.h"
#include "ui/main/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
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
        // The table at the window's whole width, so the offscreen screen's
        // small window shows every heading whole.
        rememberSuggestionPanel(*settings_, false);
        program_ = std::make_unique<Program>(*platform_, clock_, *settings_,
                                             work_->path().toStdU16String());
        window_ = std::make_unique<MainWindow>(*program_);
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
        // Menu arrays keep their indices, separators included.
        const std::pair<const char*, QString> items[] = {
            {"mnfileitem_4", QStringLiteral("ｸﾛｰｽﾞ(&C)")},
            {"mnfileitem_6", QStringLiteral("終了(&X)")},
            {"mnregitem_1", QStringLiteral("マスター登録(&N)")},
            {"mnregitem_4", QStringLiteral("参加者登録(&M)")},
            {"mnregitem_8", QStringLiteral("全データ・クリアー(&A)")},
            {"mnenditem_2", QStringLiteral("終了戻し(&C)")},
            {"mnlogitem_2", QStringLiteral("ログｸﾘｱｰ(&C)")},
            {"mnHelpVer", QStringLiteral("バージョン情報（&A）")}};
        for (const auto& [name, caption] : items) {
            auto* item = window_->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(item, name);
            QCOMPARE(item->text(), caption);
        }
        QVERIFY(window_->findChild<QAction*>(QStringLiteral("mnregitem_5"))->isSeparator());

        auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("tabPage"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("     Ａチーム     "));
        QCOMPARE(tabs->tabText(1), QStringLiteral("     Ｂチーム     "));
        QCOMPARE(tabs->currentIndex(), 0);
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command6"}) {
            QVERIFY2(window_->findChild<QPushButton*>(QString::fromLatin1(name)), name);
        }
        QCOMPARE(program_->state.teamSize[0], 10);
        QCOMPARE(program_->log.entryCount, 1);
        // The designed 960 × 720 window is brought inside the offscreen 800 × 800 screen.
        const QRect available = window_->screen()->availableGeometry();
        QVERIFY(window_->width() <= available.width() && window_->height() <= available.height());
        QVERIFY(platform_->events().empty());
    }

    void fileCommandsThroughTheMenu() {
        trigger("mnfileitem_0"); // New
        QCOMPARE(QString::fromStdU16String(program_->state.currentPath),
                 QStringLiteral("取りあえず.rlw"));
        QVERIFY(QFile::exists(work_->filePath(QStringLiteral("取りあえず.rlw"))));

        platform_->setNextFileName(work_->filePath(QStringLiteral("club.rly")).toStdU16String());
        trigger("mnfileitem_2"); // Save As
        QCOMPARE(QString::fromStdU16String(program_->state.currentPath),
                 QStringLiteral("club.rly"));
        auto* recent = window_->findChild<QAction*>(QStringLiteral("mnfilearray_1"));
        QVERIFY(recent && recent->isVisible());
        QCOMPARE(recent->text().trimmed(), QStringLiteral("club.rly"));
        QVERIFY(window_->findChild<QAction*>(QStringLiteral("mnfilearray_0"))->isVisible());
        QVERIFY(!window_->findChild<QAction*>(QStringLiteral("mnfilearray_2"))->isVisible());
    }

    void exitInIntraTeamModeRefuses() {
        QSignalSpy ended(window_.get(), &MainWindow::programEnded);
        program_->state.intraTeamMode = IntraTeamMode::On;
        trigger("mnfileitem_6");
        QCOMPARE(platform_->messages(),
                 std::vector<std::u16string>{
                     u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。"});
        QVERIFY(window_->isVisible());
        QCOMPARE(ended.count(), 0);

        program_->state.intraTeamMode = IntraTeamMode::Off;
        trigger("mnfileitem_6");
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window_->isVisible());
        QCOMPARE(program_->log.entryCount, 2);
    }

    void closingWithRunningMatchesAndNoKeepsTheWindow() {
        program_->state.runningCount = 2;
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        QCOMPARE(program_->log.entryCount, 1);
        platform_->setNextAnswer(true);
        QVERIFY(window_->close());
        QCOMPARE(program_->log.entryCount, 2);
    }

    void theNextStartRestoresSizesAndRecentFiles() {
        trigger("mnfileitem_0");
        platform_->setNextFileName(work_->filePath(QStringLiteral("club.rly")).toStdU16String());
        trigger("mnfileitem_2");
        window_->resize(1100, 790);
        QTRY_COMPARE(window_->size(), QSize(1100, 790));
        QVERIFY(window_->close());

        window_.reset();
        program_ = std::make_unique<Program>(*platform_, clock_, *settings_,
                                             work_->path().toStdU16String());
        window_ = std::make_unique<MainWindow>(*program_);
        // The saved width is larger than the screen and is brought inside it.
        QCOMPARE(window_->size(), QSize(window_->screen()->availableGeometry().width(), 790));
        QCOMPARE(program_->recent.entryCount, 1);
        QCOMPARE(window_->findChild<QAction*>(QStringLiteral("mnfilearray_1"))->text().trimmed(),
                 QStringLiteral("club.rly"));
        QCOMPARE(program_->log.entryCount, 3);
    }

    void helpKeyAndHelpMenu() {
        QTest::keyClick(window_.get(), Qt::Key_F2);
        QVERIFY(platform_->helpPages().empty());
        window_->grid()->setFocus();
        QVERIFY(pressHelpKey(window_->grid()));
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
        auto* box = window_->findChild<AboutDialog*>(QStringLiteral("frmVer"));
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblVer"))->text(),
                 QStringLiteral("Version  2. 1. 0"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblExe"))->text(),
                 QStringLiteral("TestMainWindow"));
    }

    void logViewerShowsTheLogNewestFirst() {
        appendLog(*program_, u"ｸﾘｱｰ");
        QString caption;
        QString header;
        QString body;
        whenModal<LogViewerDialog>([&](LogViewerDialog& viewer) {
            caption = viewer.windowTitle();
            header = viewer.findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
            body = viewer.findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
            QVERIFY(pressHelpKey(viewer.findChild<QPlainTextEdit*>(QStringLiteral("Text2"))));
            viewer.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
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
        QCOMPARE(program_->state.currentTeam, 1);
        QCOMPARE(window_->findChild<QTabBar*>(QStringLiteral("tabPage"))->currentIndex(), 1);
        QCOMPARE(model->rowCount(), program_->view.grid.rows);
        QCOMPARE(model->columnCount(), program_->view.grid.columns);
    }

    void gridShowsThePlaceholderTeams() {
        const QAbstractItemModel* model = window_->grid()->model();
        QCOMPARE(model->rowCount(), 19);
        QCOMPARE(model->index(0, 1).data().toString().trimmed(), QStringLiteral("Ａ01"));
        QCOMPARE(model->index(10, 0).data().toString().trimmed(), QStringLiteral("Ａ10"));
        QCOMPARE(model->index(1, 2).data().toString(), QStringLiteral("  ×"));
        QCOMPARE(model->index(1, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                     Qt::AlignHCenter,
                 Qt::AlignHCenter);
        QCOMPARE(model->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 128));
        // Columns keep the model's proportions and share the visible width;
        // rows are 15 twips a pixel.
        MainGridView* grid = window_->grid();
        int total = 0;
        for (int column = 0; column < model->columnCount(); ++column) {
            total += grid->columnWidth(column);
        }
        QCOMPARE(total, grid->viewport()->width());
        const int separator = model->columnCount() - 2;
        QVERIFY(grid->columnWidth(separator) * 10 < grid->columnWidth(1));
        QCOMPARE(grid->columnWidth(1), grid->columnWidth(2));
        QCOMPARE(grid->rowHeight(1), (program_->view.grid.rowHeights[1] + 7) / 15);

        auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("tabPage"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(program_->state.currentTeam, 1);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Ｂチ－ム"));
        QVERIFY(model->index(1, 2).data(Qt::FontRole).value<QFont>().italic());
        QCOMPARE(model->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(170, 32, 32));
    }

    void wheelOverTheTabsShowsTheTeamOfTheTab() {
        auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("tabPage"));
        const QPoint at = tabs->tabRect(0).center();
        QWheelEvent turn(at, tabs->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs, &turn);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(program_->state.currentTeam, 1);
        QCOMPARE(window_->grid()->model()->index(0, 0).data().toString(),
                 QStringLiteral("Ｂチ－ム"));
    }

    void rightClickThenDoubleClickIsTheCorrectionGesture() {
        MainGridView* grid = window_->grid();
        const QPoint pair = grid->visualRect(grid->model()->index(2, 3)).center();
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, pair);
        // The gesture opens the result correction; it is closed unchanged.
        QString opened;
        onModal([&opened](QWidget* dialog) { opened = dialog->objectName(); });
        doubleClick(grid->viewport(), pair);
        QCOMPARE(opened, QStringLiteral("Form10"));
        QCOMPARE(program_->state.lastGridButton, 2);
        QCOMPARE(program_->state.correctionCell, (std::array<std::int16_t, 2>{3, 2}));
        QCOMPARE(platform_->beepCount(), 0);

        const QPoint diagonal = grid->visualRect(grid->model()->index(4, 4)).center();
        doubleClick(grid->viewport(), diagonal);
        QCOMPARE(program_->state.lastGridButton, 1);
        QCOMPARE(platform_->beepCount(), 1);
    }

private:
    // A left double-click as the window system delivers it: a press and
    // release, then the double-click.
    static void doubleClick(QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    }

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
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
