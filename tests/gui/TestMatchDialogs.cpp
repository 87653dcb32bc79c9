#include "FixedClock.h"
#include "GuiTestHelpers.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "app/SupportFiles.h"
#include "matching/PairingTable.h"
#include "matching/RunningList.h"
#include "storage/SettingsStore.h"
#include "ui/dialogs/CancelMatchDialog.h"
#include "ui/dialogs/MatchFlow.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/dialogs/ResultEntryDialog.h"
#include "ui/dialogs/RunningMatchesWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

void click(QWidget* parent, const char* name) {
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

QString labelText(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QString::fromLatin1(name));
    return label == nullptr ? QStringLiteral("<none>") : label->text();
}

// Saves a picture of the widget when RALLYNOTE_SCREENSHOTS names a folder.
void screenshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("RALLYNOTE_SCREENSHOTS");
    if (!folder.isEmpty()) {
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

} // namespace

// The match dialogs over a stand-in main window: picks, confirmation,
// running-match list, result entry, cancel, forfeit and correction, with
// the data file read back.
class TestMatchDialogs : public QObject {
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
        MeetingState& s = program_->state;
        QVERIFY(createScratchFile(*program_));
        s.meetingCount = 1;
        s.teamSize = {6, 6, 0};
        s.teamNameA = u"青空クラブ";
        s.teamNameB = u"夕焼けクラブ";
        const char16_t* namesA[] = {u"山田", u"川口", u"佐藤", u"鈴木", u"高橋", u"田中"};
        const char16_t* namesB[] = {u"伊藤", u"渡辺", u"中村", u"小林", u"加藤", u"吉田"};
        for (int slot = 1; slot <= 6; ++slot) {
            s.memberAbbrev[0][slot] = namesA[slot - 1];
            s.memberAbbrev[1][slot] = namesB[slot - 1];
            s.memberStatus[1][slot] = slot % 2;
        }
        QVERIFY(saveMeeting(*program_, SaveTarget::Meeting));
        main_ = std::make_unique<QWidget>();
        main_->resize(900, 700);
        main_->show();
        redraws_ = 0;
        flow_ = new MatchFlow(*program_, main_.get(), [this] {
            ++redraws_;
            buildPairingTable(program_->state, program_->view, 1);
        });
    }
    void cleanup() {
        main_.reset();
        program_.reset();
    }

    void twoTeamDoublesFromPickToResult() {
        MeetingState& s = program_->state;
        flow_->pickCell(3, 1);
        QCOMPARE(s.currentTeam, 1);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form4"));
            QCOMPARE(labelText(dialog, "Label2"), QStringLiteral("青空クラブ"));
            QCOMPARE(labelText(dialog, "Label5"), QStringLiteral("夕焼けクラブ"));
            QCOMPARE(labelText(dialog, "Label3").trimmed(), QStringLiteral("佐藤"));
            QCOMPARE(labelText(dialog, "Label7").trimmed(), QStringLiteral("渡辺"));
            QVERIFY(!dialog->findChild<QLabel*>("Picture1")->pixmap().isNull());
            screenshot(dialog, QStringLiteral("Form4"));
            click(dialog, "Command1");
        });
        flow_->pickCell(5, 2);
        QCOMPARE(s.runningCount, 1);
        QCOMPARE(s.currentTeam, 0);
        QCOMPARE(s.pairState[1][2][5], PairRunning);
        RunningMatchesWindow* list = flow_->runningList();
        QVERIFY(list != nullptr && list->isVisible());
        QCOMPARE(list->grid()->item(1, 2)->text(), QStringLiteral("佐藤\n山田"));

        // Result entry through the list: the filter drops letters above "A".
        list->grid()->setCurrentCell(1, 0);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form3"));
            auto* left = dialog->findChild<QLineEdit*>("Text1");
            auto* right = dialog->findChild<QLineEdit*>("Text2");
            QTest::keyClicks(left, QStringLiteral("6xyz"));
            QTest::keyClicks(right, QStringLiteral("4"));
            QCOMPARE(left->text(), QStringLiteral("6"));
            click(dialog, "Command1");
        });
        click(list, "Command1");
        QCOMPARE(s.runningCount, 0);
        QCOMPARE(s.resultTable[0][3][1], 6004);
        QCOMPARE(s.resultTable[1][2][5], 4006);
        QCOMPARE(s.pairState[1][5][2], PairFinished);
        QVERIFY(redraws_ > 0);
        // Members 3 and 1 have played: their pairs drop to the second class.
        const GridModel& table = program_->view.grid;
        QCOMPARE(table.at(1, 2), std::u16string(u"  □"));
        QCOMPARE(table.at(2, 4), std::u16string(u"  ●"));
        QCOMPARE(table.at(1, 3), std::u16string(u" 6:4"));

        MeetingRecord record;
        QVERIFY(program_->meetingFile.readRecord(1, record));
        QCOMPARE(
            record.int32At(MeetingRecord::kResultOffset + 4 * MeetingRecord::resultIndex(1, 5, 2)),
            4006);
    }

    void runningListWithThreeMatchesCancelAndForfeit() {
        MeetingState& s = program_->state;
        s.matchMethod = MatchMethod::OneTeamDoubles;
        const int picks[3][4] = {{2, 1, 4, 3}, {6, 5, 3, 2}, {5, 1, 6, 4}};
        for (const auto& pick : picks) {
            flow_->pickCell(pick[0], pick[1]);
            onModal([](QWidget* dialog) { click(dialog, "Command1"); });
            flow_->pickCell(pick[2], pick[3]);
        }
        QCOMPARE(s.runningCount, 3);
        RunningMatchesWindow* list = flow_->runningList();
        QCOMPARE(list->grid()->rowCount(), 4);
        QCOMPARE(list->windowTitle(),
                 QString::fromStdU16String(std::u16string(kRunningListCaption)));
        screenshot(list, QStringLiteral("Form2"));

        // Result entry dialog of match 3, photographed and left with ｷｬﾝｾﾙ.
        list->grid()->setCurrentCell(3, 2);
        onModal([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text1"), QStringLiteral("6"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>("Text2"), QStringLiteral("3"));
            screenshot(dialog, QStringLiteral("Form3"));
            click(dialog, "Command2");
        });
        click(list, "Command1");
        QCOMPARE(s.runningCount, 3);

        // Cancel match 2: the former match 3 moves up.
        list->grid()->setCurrentCell(2, 0);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form5"));
            click(dialog, "Command1");
        });
        click(list, "Command2");
        QCOMPARE(s.runningCount, 2);
        QVERIFY(s.pairState[0][6][5] <= PairSecondClassBusy);
        QVERIFY(program_->view.grid.at(5, 6) != u"試合中");
        QCOMPARE(list->grid()->item(2, 2)->text(), QStringLiteral("高橋\n山田"));

        // Forfeit match 1.
        list->grid()->setCurrentCell(1, 0);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form6"));
            click(dialog, "Command1");
        });
        click(list, "Command3");
        QCOMPARE(s.runningCount, 1);
        QCOMPARE(s.pairState[0][2][1], PairUnavailable);
        QCOMPARE(s.pairState[0][3][4], PairUnavailable);
        QCOMPARE(program_->view.grid.at(1, 2), std::u16string(u"  ×"));

        // The heading row and a filler row only beep.
        platform_->clear();
        list->grid()->setCurrentCell(0, 0);
        click(list, "Command1");
        list->grid()->setCurrentCell(3, 0);
        click(list, "Command2");
        QCOMPARE(platform_->beepCount(), 2);

        click(list, "Command4");
        QVERIFY(!list->isVisible());
    }

    void correctionSixFourToSevenFive() {
        MeetingState& s = program_->state;
        s.resultTable[0][3][1] = 6004;
        s.resultTable[0][1][3] = 6004;
        s.setPair(0, 3, 1, PairFinished);
        s.correctionCell = {3, 1};
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Form10"));
            auto* won = dialog->findChild<QLineEdit*>("Text1");
            auto* lost = dialog->findChild<QLineEdit*>("Text2");
            QCOMPARE(won->text(), QStringLiteral("6"));
            QCOMPARE(lost->text(), QStringLiteral("4"));
            QVERIFY(dialog->findChild<QLineEdit*>("Text8")->isVisibleTo(dialog));
            QVERIFY(!dialog->findChild<QLineEdit*>("Text9")->isVisibleTo(dialog));
            won->setText(QStringLiteral("7"));
            lost->setText(QStringLiteral("5"));
            click(dialog, "Command1");
        });
        flow_->correctCell();
        QCOMPARE(s.resultTable[0][3][1], 7005);
        QCOMPARE(s.resultTable[0][1][3], 7005);
        MeetingRecord record;
        QVERIFY(program_->meetingFile.readRecord(1, record));
        QCOMPARE(
            record.int32At(MeetingRecord::kResultOffset + 4 * MeetingRecord::resultIndex(0, 1, 3)),
            7005);
    }

    void helpKeyOpensThePageOfEachDialog() {
        MeetingState& s = program_->state;
        s.correctionCell = {2, 1};
        onModal([](QWidget* dialog) {
            QVERIFY(pressHelpKey(dialog));
            QTest::keyClick(dialog, Qt::Key_F2);
            click(dialog, "Command2");
        });
        flow_->correctCell();
        MeetingState& picks = program_->state;
        picks.pickTeam = {0, 1, 0};
        picks.pickMember1 = {2, 2, 0};
        picks.pickMember2 = {1, 1, 0};
        PairingConfirmationDialog confirmation(*program_, main_.get());
        QVERIFY(pressHelpKey(&confirmation));
        confirmation.close();
        ResultEntryDialog entry(*program_, main_.get());
        QVERIFY(pressHelpKey(entry.findChild<QLineEdit*>("Text1")));
        entry.close();
        CancelMatchDialog cancel(*program_, main_.get());
        QVERIFY(pressHelpKey(&cancel));
        QStringList pages;
        for (const std::string& page : platform_->helpPages()) {
            pages << QString::fromStdString(page).section(QLatin1Char('/'), -2);
        }
        QCOMPARE(pages,
                 (QStringList{QStringLiteral("html/TENIS7.htm"), QStringLiteral("html/TENIS5.htm"),
                              QStringLiteral("html/TENIS6.htm")}));
    }

private:
    QTemporaryDir dir_;
    std::filesystem::path workDir_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<QWidget> main_;
    MatchFlow* flow_ = nullptr;
    int redraws_ = 0;
};

QTEST_MAIN(TestMatchDialogs)
#include "TestMatchDialogs.moc"
