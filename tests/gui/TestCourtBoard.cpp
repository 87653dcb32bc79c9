#include "GuiTestHelpers.h"
#include "MainWindowHarness.h"
#include "matching/MatchStart.h"
#include "suggestions/MeetingReading.h"
#include "ui/board/BoardHeader.h"
#include "ui/board/CourtBoardWindow.h"
#include "ui/board/CourtCardWidget.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/main/MainGridView.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include <memory>

// The courtside board opened from the main window's 表示 menu: it follows a
// match started and finished through the main window, fits ten courts at
// 1920x1080, and its own menu and keys (F1, F11, timer, standings).
class TestCourtBoard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<MainWindowHarness>();
        QVERIFY(app_->show());
        newMeeting(4);
        app_->window->findChild<QAction*>(QStringLiteral("mndspBoard"))->trigger();
        QVERIFY(board() != nullptr);
        QVERIFY(board()->isVisible());
    }
    void cleanup() { app_.reset(); }

    void aMatchAppearsAndLeavesAfterItsResult() {
        QVERIFY(board()->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(board()->focusPolicy(), Qt::NoFocus);
        QVERIFY(board()->courtCards().empty());

        // The suggested match through the pairing confirmation's decide.
        onModal([](QWidget* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        app_->window->grid()->setFocus();
        QTest::keyClick(app_->window->grid(), Qt::Key_Return);
        QCOMPARE(app_->program->state.runningCount, 1);
        auto cards = board()->courtCards();
        QCOMPARE(cards.size(), std::size_t{1});
        QCOMPARE(cards[0]->objectName(), QStringLiteral("court1"));
        const MeetingState& s = app_->program->state;
        QCOMPARE(cards[0]->card().sides[1].members[0].name, memberName(s, 1, s.slotMember1[1][1]));
        QVERIFY(cards[0]->isVisible());

        // The result through the running-match list.
        auto* list = app_->window->findChild<RunningMatchesWindow*>(QStringLiteral("Form2"));
        QVERIFY(list != nullptr);
        onModal([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), QStringLiteral("6"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text2"), QStringLiteral("4"));
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        QTableWidget* table = list->grid();
        doubleClickAt(table->viewport(), table->visualRect(table->model()->index(1, 2)).center());
        QCOMPARE(app_->program->state.runningCount, 0);
        cards = board()->courtCards();
        QCOMPARE(cards.size(), std::size_t{1});
        QCOMPARE(cards[0]->objectName(), QStringLiteral("court1Finished"));
        QCOMPARE(cards[0]->card().games, (std::array<int, 2>{6, 4}));

        std::tm later = app_->clock.now();
        later.tm_sec += kFinishedShownSeconds + 1;
        app_->clock.set(later);
        board()->refresh();
        QVERIFY(board()->courtCards().empty());
    }

    void tenCourtsFitWithLargeNames() {
        newMeeting(20);
        MeetingState& s = app_->program->state;
        for (std::int16_t k = 1; k <= 10; ++k) {
            s.pickTeam = {0, 1, 0};
            s.pickMember1 = {static_cast<std::int16_t>(2 * k - 1), static_cast<std::int16_t>(2 * k),
                             0};
            s.pickMember2 = {static_cast<std::int16_t>(2 * k), static_cast<std::int16_t>(2 * k - 1),
                             0};
            QVERIFY(startMatch(s, app_->platform));
        }
        struct Size {
            int width, height, minimum;
        };
        for (const Size size : {Size{1920, 1080, 48}, Size{1280, 720, 30}}) {
            board()->resize(size.width, size.height);
            app_->window->render();
            const auto cards = board()->courtCards();
            QCOMPARE(cards.size(), std::size_t{10});
            for (const CourtCardWidget* card : cards) {
                QVERIFY2(card->namePixelSize() >= size.minimum,
                         qPrintable(QString::number(card->namePixelSize())));
                const QRect onBoard(card->mapTo(board(), QPoint(0, 0)), card->size());
                QVERIFY(board()->rect().contains(onBoard));
            }
        }
    }

    void singlesNamesAreNeverSmallerThanDoubles() {
        for (const QSize card : {QSize(700, 200), QSize(790, 225), QSize(400, 300)}) {
            QVERIFY(CourtCardWidget::namePixelSizeFor(card, 1) >=
                    CourtCardWidget::namePixelSizeFor(card, 2));
        }
    }

    void ownMenuAndKeys() {
        QTest::keyClick(board(), Qt::Key_F1);
        QCOMPARE(app_->platform.helpPages().size(), std::size_t{1});
        QVERIFY(app_->platform.helpPages()[0].ends_with("/html/TENIS12.htm"));
        QTest::keyClick(board(), Qt::Key_F11);
        QVERIFY(board()->isFullScreen());
        QTest::keyClick(board(), Qt::Key_F11);
        QVERIFY(!board()->isFullScreen());

        board()->findChild<QAction*>(QStringLiteral("mnBoardStandings"))->trigger();
        board()->findChild<QAction*>(QStringLiteral("mnBoardContrast"))->trigger();
        QCOMPARE(app_->settings.value(u"RgDsp", u"RgBoardStandings"),
                 std::optional<std::u16string>(u"1"));
        QCOMPARE(app_->settings.value(u"RgDsp", u"RgBoardContrast"),
                 std::optional<std::u16string>(u"1"));

        // The round timer counts on the program's clock and beeps at zero;
        // the meeting is left as it was.
        const MeetingState before = app_->program->state;
        board()->findChild<QAction*>(QStringLiteral("mnBoardStartRound"))->trigger();
        QCOMPARE(board()->header()->timerText(), QStringLiteral("15:00"));
        std::tm later = app_->clock.now();
        later.tm_min += 15;
        app_->clock.set(later);
        QTRY_COMPARE(app_->platform.beepCount(), 1);
        QCOMPARE(board()->header()->timerText(), QStringLiteral("0:00"));
        QCOMPARE(app_->program->state.resultTable, before.resultTable);
        QCOMPARE(app_->program->state.pairState, before.pairState);
    }

private:
    void newMeeting(int members) {
        app_->window->findChild<QAction*>(QStringLiteral("mnfileitem_0"))->trigger();
        MeetingState& s = app_->program->state;
        s.teamSize = {static_cast<std::int16_t>(members), static_cast<std::int16_t>(members), 0};
        for (int slot = 1; slot <= members; ++slot) {
            const std::u16string number = QString::number(slot).toStdU16String();
            s.memberAbbrev[0][slot] = u"赤" + number;
            s.memberAbbrev[1][slot] = u"白" + number;
        }
        QVERIFY(app_->program->meetingFile.saveMeeting(SaveTarget::Meeting));
        emit app_->window->findChild<QTabBar*>(QStringLiteral("tabPage"))->tabBarClicked(0);
    }

    CourtBoardWindow* board() { return app_->window->courtBoard(); }

    std::unique_ptr<MainWindowHarness> app_;
};

QTEST_MAIN(TestCourtBoard)
#include "TestCourtBoard.moc"
