#include "MainWindowHarness.h"
#include "MeetingBuilder.h"
#include "app/HeadingFit.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "suggestions/SuggestionText.h"
#include "ui/main/MainGridView.h"

#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryFile>
#include <QtTest>

#include <memory>

// The main window on a 1920 × 1080 screen with a meeting of twenty members a
// team: every heading fits its cell, shrunk if need be, or is elided with its
// whole name as the tooltip.
class TestReadableSizes : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headingsFitOrAreElided_data();
    void headingsFitOrAreElided();

private:
    std::unique_ptr<MainWindowHarness> app_;
};

void TestReadableSizes::init() {
    // The table at the window's whole width: with the suggestions beside it a
    // narrow screen elides more names, each with its tooltip.
    app_ = std::make_unique<MainWindowHarness>(
        [](SettingsStore& settings) { rememberSuggestionPanel(settings, false); });
    QVERIFY(app_->work.isValid());
}

void TestReadableSizes::cleanup() {
    app_.reset();
}

void TestReadableSizes::headingsFitOrAreElided_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("team");
    QTest::addColumn<int>("displayMode");
    QTest::addColumn<bool>("smallScreen");
    QTest::newRow("1366x768 team A") << QSize(1366, 768) << 0 << 0 << 0 << false;
    QTest::newRow("1366x768 team B") << QSize(1366, 768) << 0 << 1 << 0 << false;
    QTest::newRow("1366x768 table only") << QSize(1366, 768) << 0 << 0 << 1 << false;
    QTest::newRow("1366x768 singles") << QSize(1366, 768) << 2 << 0 << 0 << false;
    QTest::newRow("1920x1080 team A") << QSize(1920, 1080) << 0 << 0 << 0 << false;
    QTest::newRow("1920x1080 team B") << QSize(1920, 1080) << 0 << 1 << 1 << false;
    QTest::newRow("1024x600 team A") << QSize(1024, 600) << 0 << 0 << 0 << true;
}

void TestReadableSizes::headingsFitOrAreElided() {
    QFETCH(QSize, windowSize);
    QFETCH(int, method);
    QFETCH(int, team);
    QFETCH(int, displayMode);
    QFETCH(bool, smallScreen);

    MeetingBuilder meeting(20, 20, method);
    meeting.clubNames().twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 17, 11, 20, 3, 6);
    writeMeetingFile(app_->work.filePath(QStringLiteral("club.rly")).toStdU16String(),
                     {&meeting.state()});
    QVERIFY(openMeetingFile(*app_->program, u"club.rly"));
    app_->program->display.displayMode = displayMode == 0 ? u"0" : u"1";
    app_->window->layout().selectTeam(*app_->program, team);

    app_->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(app_->window.get()));
    app_->window->resize(windowSize -
                         (app_->window->frameGeometry().size() - app_->window->size()));
    QTRY_COMPARE(app_->window->frameGeometry().size(), windowSize);
    app_->window->render();

    const MainGridView* grid = app_->window->grid();
    const QAbstractItemModel* model = grid->model();
    const GridModel& cells = app_->program->view.grid;
    QCOMPARE(model->rowCount(), 29);
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    int shrunk = 0;
    int elided = 0;
    for (int row = 0; row < cells.rows; ++row) {
        for (int column = 0; column < cells.columns; ++column) {
            if (row != 0 && column != 0) {
                continue;
            }
            const QModelIndex cell = model->index(row, column);
            const QString whole = QString::fromStdU16String(cells.at(row, column)).trimmed();
            const QString shown = cell.data().toString();
            const QFont font = cell.data(Qt::FontRole).value<QFont>();
            const int room = grid->visualRect(cell).width() - 2 * margin;
            if (whole.isEmpty()) {
                continue;
            }
            const QString where = QStringLiteral("%1,%2 %3").arg(row).arg(column).arg(whole);
            QVERIFY2(QFontMetrics(font).horizontalAdvance(shown) <= room, qPrintable(where));
            QVERIFY2(font.pointSizeF() >= kLegibleHeadingPoints, qPrintable(where));
            if (shown == whole) {
                QVERIFY2(!cell.data(Qt::ToolTipRole).isValid(), qPrintable(where));
            } else {
                QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(where));
                QCOMPARE(cell.data(Qt::ToolTipRole).toString(), whole);
                ++elided;
            }
            // Names in kana and kanji show whole on the usual screens; eight
            // Latin letters may need more room than the legible floor leaves.
            const bool member = row == 0 ? column >= 1 && column <= 20 : row >= 1 && row <= 20;
            if (!smallScreen && member &&
                !whole.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) {
                QCOMPARE(shown, whole);
            }
            if (font.pointSizeF() < app_->window->layout().gridFontSize) {
                ++shrunk;
            }
        }
    }
    // The long names do not fit at the layout's size; on a small screen some
    // need the ellipsis.
    QVERIFY(shrunk > 0);
    QVERIFY(elided > 0 || !smallScreen);
    // Score cells keep the layout's font.
    const QFont score = model->index(2, 1).data(Qt::FontRole).value<QFont>();
    QCOMPARE(score.pointSizeF(), app_->window->layout().gridFontSize);
    if (displayMode == 0) {
        // The standings rows stay in view.
        const int last = cells.rows - 1;
        QVERIFY(grid->rowViewportPosition(last) + grid->rowHeight(last) <=
                grid->viewport()->height());
    }
}

// The offscreen platform's screen is 800 × 600; the test wants a full HD one.
int main(int argc, char* argv[]) {
    QTemporaryFile screens;
    if (!screens.open()) {
        return 1;
    }
    screens.write(R"({"screens": [{"name": "FullHD", "x": 0, "y": 0, "width": 1920,
                     "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    std::vector<char*> arguments(argv, argv + argc);
    std::string platformOption = "-platform";
    std::string platform = "offscreen:configfile=" + screens.fileName().toStdString();
    arguments.push_back(platformOption.data());
    arguments.push_back(platform.data());
    int count = static_cast<int>(arguments.size());
    QApplication app(count, arguments.data());
    TestReadableSizes test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "TestReadableSizes.moc"
