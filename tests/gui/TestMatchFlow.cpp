#include "app/Program.h"
#include "app/SupportFiles.h"
#include "matching/PairingTable.h"
#include "platform/Clock.h"
#include "platform/ScriptedPlatform.h"
#include "storage/SettingsStore.h"
#include "ui/dialogs/Form2.h"
#include "ui/dialogs/MatchFlow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace {

using Cell = std::tuple<int, int, int>; // team, slot, column

void onModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        action(dialog);
    });
}

void click(QWidget* parent, const char* name) {
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

struct Pair {
    int team;
    int first;
    int second;
};

} // namespace

// One club night in each match method, through the match dialogs: picks,
// confirmation, running-match list, result, cancel, forfeit, correction,
// the ten-match limit, completion and its undo; then the data file is read
// back.
class TestMatchFlow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        workDir_ = dir_.path().toStdString();
        platform_ = std::make_unique<ScriptedPlatform>();
        program_ = std::make_unique<Program>(*platform_, clock_, settings_, workDir_);
        copyMissingSupportFiles(workDir_,
                                {{std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "html",
                                  std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "resources"}});
        main_ = std::make_unique<QWidget>();
        main_->resize(900, 700);
        main_->show();
        flow_ = new MatchFlow(*program_, main_.get(), [this] { redraw(); });
    }
    void cleanup() {
        main_.reset();
        program_.reset();
    }

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
        MeetingState& s = program_->state;
        const bool singles = method == 2;

        // Match 1: played 6-4.
        const auto [side0, side1] = startNextMatch();
        QCOMPARE(s.RunningCount, 1);
        enterResult(1, u"6", u"4");
        QCOMPARE(s.RunningCount, 0);
        QCOMPARE(s.ResultTable[side0.team][side0.first][side0.second], 6004);
        QCOMPARE(s.ResultTable[side1.team][side1.first][side1.second], 4006);
        if (!singles) {
            QCOMPARE(s.ResultTable[side0.team][side0.second][side0.first], 6004);
            QCOMPARE(s.ResultTable[side1.team][side1.second][side1.first], 4006);
        }
        for (const Pair& p : {side0, side1}) {
            QCOMPARE(s.PairState[p.team][p.first][p.second], PairFinished);
            QCOMPARE(s.PairState[p.team][p.second][p.first], PairFinished);
        }
        std::u16string logText;
        QVERIFY(program_->log.ReadLog(logText));
        QVERIFY(logText.find(u"結果 (") != std::u16string::npos);

        // Match 2: cancelled, its pairs are candidates again.
        const auto [cancel0, cancel1] = startNextMatch();
        chooseInList(1, "Command2");
        QCOMPARE(s.RunningCount, 0);
        for (const Pair& p : {cancel0, cancel1}) {
            QVERIFY(s.PairState[p.team][p.first][p.second] <= PairSecondClassBusy);
        }
        expectSymbol(cancel0, {u"  ●", u"  □"});

        // Match 3: forfeited, its pairs are closed.
        const auto [forfeit0, forfeit1] = startNextMatch();
        chooseInList(1, "Command3");
        for (const Pair& p : {forfeit0, forfeit1}) {
            QCOMPARE(s.PairState[p.team][p.first][p.second], PairUnavailable);
        }
        expectSymbol(forfeit0, {u"  ×"});

        // Correction of match 1's side 0: 6-4 becomes 7-5.
        s.CurrentTeam = static_cast<std::int16_t>(side0.team);
        s.CorrectionCell = {static_cast<std::int16_t>(side0.first),
                            static_cast<std::int16_t>(side0.second)};
        onModal([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("7"));
            dialog->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("5"));
            click(dialog, "Command1");
        });
        flow_->correctCell();
        s.CurrentTeam = 0;
        QCOMPARE(s.ResultTable[side0.team][side0.first][side0.second], 7005);
        QCOMPARE(s.ResultTable[side0.team][side0.second][side0.first], singles ? 5007 : 7005);

        // Ten matches run at once; an eleventh is refused with a beep.
        for (int k = 1; k <= 10; ++k) {
            startNextMatch();
        }
        QCOMPARE(s.RunningCount, 10);
        platform_->clear();
        startNextMatch();
        QCOMPARE(s.RunningCount, 10);
        QCOMPARE(platform_->beepCount(), 1);
        for (int k = 10; k >= 1; --k) {
            chooseInList(k, "Command2");
        }
        QCOMPARE(s.RunningCount, 0);

        // Completion and its undo; intra-team mode must be released first.
        if (intra == 1) {
            platform_->clear();
            flow_->completionMenu(0);
            QCOMPARE(platform_->messages().size(), std::size_t{1});
            QCOMPARE(s.MeetingCount, 1);
            s.IntraTeamFlag = 0;
        }
        platform_->setNextAnswer(true);
        flow_->completionMenu(0);
        QCOMPARE(s.MeetingCount, 2);
        QCOMPARE(s.ResultTable[side0.team][side0.first][side0.second], 0);
        platform_->setNextAnswer(true);
        flow_->completionMenu(2);
        QCOMPARE(s.MeetingCount, 1);

        // The file holds exactly the stored results of meeting 1.
        std::map<Cell, std::int32_t> expected;
        expected[{side0.team, side0.first, side0.second}] = 7005;
        expected[{side0.team, side0.second, side0.first}] = singles ? 5007 : 7005;
        // In singles side 1's cell is side 0's mirror, corrected with it.
        if (!singles) {
            expected[{side1.team, side1.first, side1.second}] = 4006;
            expected[{side1.team, side1.second, side1.first}] = 4006;
        }
        MeetingRecord record;
        QVERIFY(program_->meetingFile.readRecord(1, record));
        QCOMPARE(record.count(), 2);
        for (int team = 0; team < 2; ++team) {
            for (int slot = 1; slot <= kMaxTeamSize; ++slot) {
                for (int column = 1; column <= kMaxTeamSize; ++column) {
                    const auto found = expected.find({team, slot, column});
                    const std::int32_t want = found == expected.end() ? 0 : found->second;
                    QCOMPARE(record.int32At(MeetingRecord::kResultOffset +
                                            4 * MeetingRecord::resultIndex(team, slot, column)),
                             want);
                }
            }
        }
        for (int team = 0; team < 2; ++team) {
            for (int slot = 1; slot <= 8; ++slot) {
                for (int column = 1; column <= 8; ++column) {
                    const auto found = expected.find({team, slot, column});
                    const std::int32_t want = found == expected.end() ? 0 : found->second;
                    QCOMPARE(s.ResultTable[team][slot][column], want);
                }
            }
        }
    }

private:
    void newMeeting(int method, int intra) {
        QVERIFY(program_->meetingFile.CreateScratchFile());
        MeetingState& s = program_->state;
        s.MeetingCount = 1;
        s.MatchMethod = static_cast<std::int16_t>(method);
        s.TeamSize = {8, static_cast<std::int16_t>(method == 0 ? 8 : 0), 0};
        for (int slot = 1; slot <= 8; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.MemberAbbrev[0][slot] = u"赤" + digit;
            s.MemberAbbrev[1][slot] = u"白" + digit;
        }
        QVERIFY(program_->meetingFile.SaveMeeting(0));
        s.IntraTeamFlag = static_cast<std::int16_t>(intra);
        redraw();
    }

    void redraw() { TaisenDsp(program_->state, program_->view, 1); }

    // The first open pair of the team, above the diagonal, sharing no
    // member with avoid.
    Pair openPair(int team, const Pair* avoid) {
        const MeetingState& s = program_->state;
        for (int column = 2; column <= s.TeamSize[team]; ++column) {
            for (int row = 1; row < column; ++row) {
                if (s.PairState[team][column][row] > PairSecondClassBusy) {
                    continue;
                }
                if (avoid != nullptr && (column == avoid->first || column == avoid->second ||
                                         row == avoid->first || row == avoid->second)) {
                    continue;
                }
                return {team, column, row};
            }
        }
        return {team, 0, 0};
    }

    void pick(const Pair& p) {
        program_->state.CurrentTeam = static_cast<std::int16_t>(p.team);
        flow_->pickCell(p.first, p.second);
    }

    // Picks the next match in the table and decides it in the confirmation.
    std::pair<Pair, Pair> startNextMatch() {
        const MeetingState& s = program_->state;
        Pair side0 = openPair(0, nullptr);
        Pair side1{};
        if (s.MatchMethod == 2) {
            side1 = {0, side0.second, side0.first};
        } else if (s.MatchMethod == 0 && s.IntraTeamFlag == 0) {
            side1 = openPair(1, nullptr);
        } else {
            side1 = openPair(0, &side0);
        }
        if (s.MatchMethod != 2) {
            pick(side0);
        }
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form4"));
            click(dialog, "Command1");
        });
        pick(s.MatchMethod == 2 ? side0 : side1);
        return {side0, side1};
    }

    void chooseInList(int row, const char* button) {
        Form2* list = flow_->runningList();
        QVERIFY(list != nullptr);
        list->grid()->setCurrentCell(row, 0);
        onModal([](QWidget* dialog) { click(dialog, "Command1"); });
        click(list, button);
    }

    void enterResult(int row, const char16_t* left, const char16_t* right) {
        Form2* list = flow_->runningList();
        list->grid()->setCurrentCell(row, 0);
        const QString l = QString::fromUtf16(left);
        const QString r = QString::fromUtf16(right);
        onModal([l, r](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form3"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), l);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text2"), r);
            click(dialog, "Command1");
        });
        click(list, "Command1");
    }

    // The symbol of the pair's cell in its team's pairing table.
    void expectSymbol(const Pair& p, std::initializer_list<std::u16string_view> allowed) {
        MeetingState& s = program_->state;
        s.CurrentTeam = static_cast<std::int16_t>(p.team);
        redraw();
        const std::u16string& text = program_->view.grid.at(p.second, p.first);
        bool found = false;
        for (std::u16string_view symbol : allowed) {
            found = found || text == symbol;
        }
        QVERIFY2(found, QString::fromStdU16String(text).toUtf8().constData());
        s.CurrentTeam = 0;
        redraw();
    }

    QTemporaryDir dir_;
    std::filesystem::path workDir_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<QWidget> main_;
    MatchFlow* flow_ = nullptr;
};

QTEST_MAIN(TestMatchFlow)
#include "TestMatchFlow.moc"
