#include "GuiTestHelpers.h"
#include "MainWindowHarness.h"
#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/main/MainGridView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace {

using Cell = std::tuple<int, int, int>; // team, slot, column

struct Pair {
    int team;
    int first;  // column of the cell
    int second; // row of the cell
};

void click(QWidget* parent, const char* name) {
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

} // namespace

// One club night in each match method, driven through the main window and
// the match dialogs: double-clicked picks, the confirmation, the running-
// match list, a result, a cancellation, a forfeit, the right-click
// correction, the ten-match limit, completion and its undo; then the data
// file is read back.
class TestMatchFlow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<MainWindowHarness>();
        QVERIFY(app_->show());
    }
    void cleanup() { app_.reset(); }

    void wholeMeeting_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("intra");
        QTest::newRow("two-team doubles") << 0 << 0;
        QTest::newRow("intra-team doubles") << 0 << 1;
        QTest::newRow("one-team doubles") << 1 << 0;
        QTest::newRow("singles") << 2 << 0;
    }

    void wholeMeeting() {
        QFETCH(int, method);
        QFETCH(int, intra);
        newMeeting(method, intra);
        MeetingState& s = app_->program->state;
        const bool singles = method == 2;

        // Match 1: played 6-4.
        const auto [side0, side1] = startNextMatch();
        QCOMPARE(s.runningCount, 1);
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(runningList()->isVisible());
        enterResult(1, QStringLiteral("6"), QStringLiteral("4"));
        QCOMPARE(s.runningCount, 0);
        QCOMPARE(s.resultTable[side0.team][side0.first][side0.second], 6004);
        QCOMPARE(s.resultTable[side1.team][side1.first][side1.second], 4006);
        if (!singles) {
            QCOMPARE(s.resultTable[side0.team][side0.second][side0.first], 6004);
            QCOMPARE(s.resultTable[side1.team][side1.second][side1.first], 4006);
        }
        for (const Pair& p : {side0, side1}) {
            QCOMPARE(s.pairState[p.team][p.first][p.second], PairFinished);
            QCOMPARE(s.pairState[p.team][p.second][p.first], PairFinished);
        }
        std::u16string log;
        QVERIFY(readLogText(*app_->program, log));
        QVERIFY(log.find(u"結果 (赤" + std::u16string(1, u'0' + side0.first)) !=
                std::u16string::npos);
        // Whoever just played moves down: their pairs are second class now.
        showTeam(0);
        QCOMPARE(cellText(1, 3), QStringLiteral("  □"));
        QCOMPARE(cellText(5, 6), QStringLiteral("  ●"));
        QCOMPARE(cellText(side0.second, side0.first), QStringLiteral(" 6:4"));

        // Match 2: cancelled, its pairs are candidates again.
        const auto [cancel0, cancel1] = startNextMatch();
        QCOMPARE(cellTextIn(cancel0), QStringLiteral("試合中"));
        chooseInList(1, "Command2");
        QCOMPARE(s.runningCount, 0);
        for (const Pair& p : {cancel0, cancel1}) {
            QVERIFY(s.pairState[p.team][p.first][p.second] <= PairSecondClassBusy);
        }
        const QString cancelled = cellTextIn(cancel0);
        QVERIFY2(cancelled == QStringLiteral("  ●") || cancelled == QStringLiteral("  □"),
                 qPrintable(cancelled));

        // Match 3: forfeited, its pairs are closed.
        const auto [forfeit0, forfeit1] = startNextMatch();
        chooseInList(1, "Command3");
        for (const Pair& p : {forfeit0, forfeit1}) {
            QCOMPARE(s.pairState[p.team][p.first][p.second], PairUnavailable);
        }
        QCOMPARE(cellTextIn(forfeit0), QStringLiteral("  ×"));

        // Correction of match 1's side 0: right click, then double-click.
        showTeam(side0.team);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form10"));
            QCOMPARE(dialog->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("6"));
            dialog->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("7"));
            dialog->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("5"));
            click(dialog, "Command1");
        });
        const QPoint at = cellCentre(side0.second, side0.first);
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, at);
        doubleClickAt(grid()->viewport(), at);
        QCOMPARE(s.resultTable[side0.team][side0.first][side0.second], 7005);
        QCOMPARE(s.resultTable[side0.team][side0.second][side0.first], singles ? 5007 : 7005);
        QCOMPARE(cellText(side0.second, side0.first), QStringLiteral(" 7:5"));
        showTeam(0);

        // Ten matches run at once; an eleventh is refused with a beep.
        for (int k = 1; k <= 10; ++k) {
            startNextMatch();
        }
        QCOMPARE(s.runningCount, 10);
        QCOMPARE(runningList()->grid()->rowCount(), 11);
        app_->platform.clear();
        startNextMatch();
        QCOMPARE(s.runningCount, 10);
        QCOMPARE(app_->platform.beepCount(), 1);
        QVERIFY(runningList()->isVisible());
        for (int k = 10; k >= 1; --k) {
            chooseInList(k, "Command2");
        }
        QCOMPARE(s.runningCount, 0);
        click(runningList(), "Command4");
        QVERIFY(!runningList()->isVisible());

        // Completion and its undo, through the menu.
        if (intra == 1) {
            app_->platform.clear();
            trigger("mnenditem_0");
            QCOMPARE(app_->platform.messages(),
                     std::vector<std::u16string>{
                         u"１チーム制が宣言されています。解除後ご実行して下さい。"});
            s.intraTeamMode = IntraTeamMode::Off;
        }
        app_->platform.setNextAnswer(true);
        trigger("mnenditem_0");
        QCOMPARE(s.meetingCount, 2);
        QCOMPARE(s.resultTable[side0.team][side0.first][side0.second], 0);
        // The new meeting starts with every pair a candidate again.
        QCOMPARE(cellText(side0.second, side0.first), QStringLiteral("  ●"));
        app_->platform.setNextAnswer(true);
        trigger("mnenditem_2");
        QCOMPARE(s.meetingCount, 1);

        // Memory and file hold exactly the stored results of meeting 1.
        std::map<Cell, std::int32_t> expected;
        expected[{side0.team, side0.first, side0.second}] = 7005;
        expected[{side0.team, side0.second, side0.first}] = singles ? 5007 : 7005;
        // In singles side 1's cell is side 0's mirror, corrected with it.
        if (!singles) {
            expected[{side1.team, side1.first, side1.second}] = 4006;
            expected[{side1.team, side1.second, side1.first}] = 4006;
        }
        MeetingRecord record;
        QVERIFY(app_->program->meetingFile.readRecord(1, record));
        QCOMPARE(record.count(), 1);
        for (int team = 0; team < 2; ++team) {
            for (int slot = 1; slot <= kMaxTeamSize; ++slot) {
                for (int column = 1; column <= kMaxTeamSize; ++column) {
                    const auto found = expected.find({team, slot, column});
                    const std::int32_t want = found == expected.end() ? 0 : found->second;
                    QCOMPARE(record.int32At(MeetingRecord::kResultOffset +
                                            4 * MeetingRecord::resultIndex(team, slot, column)),
                             want);
                    QCOMPARE(s.resultTable[team][slot][column], want);
                }
            }
        }
    }

private:
    void newMeeting(int method, int intra) {
        trigger("mnfileitem_0");
        MeetingState& s = app_->program->state;
        QCOMPARE(s.meetingCount, 1);
        s.matchMethod = static_cast<MatchMethod>(method);
        s.teamSize = {8, static_cast<std::int16_t>(method == 0 ? 8 : 0), 0};
        for (int slot = 1; slot <= 8; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[0][slot] = u"赤" + digit;
            s.memberAbbrev[1][slot] = u"白" + digit;
        }
        QVERIFY(saveMeeting(*app_->program, SaveTarget::Meeting));
        s.intraTeamMode = static_cast<IntraTeamMode>(intra);
        showTeam(0);
    }

    void trigger(const char* name) {
        auto* action = app_->window->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }

    QTabBar* tabs() { return app_->window->findChild<QTabBar*>(QStringLiteral("tabPage")); }
    MainGridView* grid() { return app_->window->grid(); }
    RunningMatchesWindow* runningList() {
        return app_->window->findChild<RunningMatchesWindow*>(QStringLiteral("Form2"));
    }

    // Shows a team's pairing table as a click on its tab does.
    void showTeam(int team) { emit tabs()->tabBarClicked(team); }

    QString cellText(int row, int column) {
        return grid()->model()->index(row, column).data().toString();
    }
    QString cellTextIn(const Pair& p) {
        showTeam(p.team);
        const QString text = cellText(p.second, p.first);
        showTeam(0);
        return text;
    }
    QPoint cellCentre(int row, int column) {
        return grid()->visualRect(grid()->model()->index(row, column)).center();
    }

    // The first open pair of a team above the diagonal, sharing no member
    // with avoid.
    Pair openPair(int team, const Pair* avoid) {
        const MeetingState& s = app_->program->state;
        for (int column = 2; column <= s.teamSize[team]; ++column) {
            for (int row = 1; row < column; ++row) {
                const bool shares =
                    avoid != nullptr && (column == avoid->first || column == avoid->second ||
                                         row == avoid->first || row == avoid->second);
                if (s.pairState[team][column][row] <= PairSecondClassBusy && !shares) {
                    return {team, column, row};
                }
            }
        }
        return {team, 0, 0};
    }

    void expectTab(int team) { QCOMPARE(tabs()->currentIndex(), team); }

    // A left double-click on the pair's cell in the table now shown.
    void doubleClick(const Pair& p) {
        QCOMPARE(app_->program->state.currentTeam, p.team);
        doubleClickAt(grid()->viewport(), cellCentre(p.second, p.first));
    }

    // Picks the next match on the pairing table and decides it.
    std::pair<Pair, Pair> startNextMatch() {
        const MeetingState& s = app_->program->state;
        const Pair side0 = openPair(0, nullptr);
        Pair side1{};
        if (s.matchMethod == MatchMethod::OneTeamSingles) {
            side1 = {0, side0.second, side0.first};
        } else if (s.matchMethod == MatchMethod::TwoTeamDoubles &&
                   s.intraTeamMode == IntraTeamMode::Off) {
            side1 = openPair(1, nullptr);
        } else {
            side1 = openPair(0, &side0);
        }
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form4"));
            click(dialog, "Command1");
        });
        if (s.matchMethod == MatchMethod::OneTeamSingles) {
            doubleClick(side0);
        } else {
            doubleClick(side0);
            // Two-team doubles has moved on to team B's tab.
            expectTab(side1.team);
            doubleClick(side1);
        }
        return {side0, side1};
    }

    void chooseInList(int row, const char* button) {
        RunningMatchesWindow* list = runningList();
        QVERIFY(list != nullptr);
        list->grid()->setCurrentCell(row, 2);
        onModal([](QWidget* dialog) { click(dialog, "Command1"); });
        click(list, button);
    }

    // Result entry by a double-click on the match in the running-match list.
    void enterResult(int row, const QString& left, const QString& right) {
        RunningMatchesWindow* list = runningList();
        onModal([left, right](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form3"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), left);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text2"), right);
            click(dialog, "Command1");
        });
        QTableWidget* table = list->grid();
        const QRect rect = table->visualRect(table->model()->index(row, 2));
        doubleClickAt(table->viewport(), rect.center());
    }

    std::unique_ptr<MainWindowHarness> app_;
};

QTEST_MAIN(TestMatchFlow)
#include "TestMatchFlow.moc"
