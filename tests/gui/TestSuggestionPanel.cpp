#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "app/SupportFiles.h"
#include "matching/PairSelection.h"
#include "platform/Clock.h"
#include "storage/SettingsStore.h"
#include "ui/main/MainGridView.h"
#include "ui/main/MainWindow.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// The suggestion panel in the real main window: its list, Enter from the
// pairing table into the pairing confirmation, hiding while an earlier
// meeting is shown, and the 表示 menu's toggle kept in the settings.
class TestSuggestionPanel : public QObject {
    Q_OBJECT

private slots:
    void init() {
        work_ = std::make_unique<QTemporaryDir>();
        QVERIFY(work_->isValid());
        const std::filesystem::path workDir = work_->path().toStdU16String();
        const std::filesystem::path source = RALLYNOTE_SOURCE_DIR;
        copyMissingSupportFiles(workDir, {{source / "html", source / "resources"}});
        platform_ = std::make_unique<ScriptedPlatform>();
        settings_ = std::make_unique<MemorySettingsStore>();
        program_ = std::make_unique<Program>(*platform_, clock_, *settings_, workDir);
        window_ = std::make_unique<MainWindow>(*program_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        newMeeting();
    }
    void cleanup() {
        window_.reset();
        program_.reset();
        platform_.reset();
    }

    void listsTheTopThree() {
        QVERIFY(panel()->isVisible());
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->currentRow(), 0);
        QVERIFY2(list()->item(0)->text().contains(QStringLiteral("：本日0試合・今季初ペア")),
                 qPrintable(list()->item(0)->text()));
        QTest::keyClick(list(), Qt::Key_F1);
        QCOMPARE(platform_->helpPages().size(), std::size_t{1});
        QVERIFY(platform_->helpPages()[0].ends_with("/html/TENIS11.htm"));
    }

    void enterOnTheTableOpensTheConfirmationWithTheSuggestedPicks() {
        const std::vector<Suggestion> best = currentSuggestions(*program_, 1);
        QCOMPARE(best.size(), std::size_t{1});
        // The picks double-clicking the suggested cells would make.
        const auto byHand = std::make_unique<MeetingState>(program_->state);
        for (const PickCell& cell : best[0].cells) {
            byHand->currentTeam = static_cast<std::int16_t>(cell.team);
            selectPair(*byHand, *platform_, cell.column, cell.row);
        }
        bool confirmed = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->objectName(), QStringLiteral("Form4"));
            const MeetingState& s = program_->state;
            QCOMPARE(s.pickTeam, byHand->pickTeam);
            QCOMPARE(s.pickMember1, byHand->pickMember1);
            QCOMPARE(s.pickMember2, byHand->pickMember2);
            confirmed = true;
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        window_->grid()->setFocus();
        QTest::keyClick(window_->grid(), Qt::Key_Return);
        QVERIFY(confirmed);
        const MeetingState& s = program_->state;
        QCOMPARE(s.runningCount, 1);
        QCOMPARE(s.slotMember1[0][1], byHand->pickMember1[0]);
        QCOMPARE(s.slotMember1[1][1], byHand->pickMember1[1]);
        QCOMPARE(platform_->beepCount(), 0);
        // The next suggestions leave the four players on court out.
        QCOMPARE(list()->count(), 1);
    }

    void hiddenWhileAnEarlierMeetingIsShown() {
        MeetingState& s = program_->state;
        s.meetingCount = 2;
        QVERIFY(program_->meetingFile.saveMeeting(SaveTarget::MeetingAndCount));
        click("Command2");
        QCOMPARE(s.viewedMeeting, 1);
        QVERIFY(!panel()->isVisible());
        QVERIFY(!panel()->chooseCurrent());
        click("Command3");
        QVERIFY(panel()->isVisible());
        QCOMPARE(list()->count(), 3);
    }

    void theMenuTogglesThePanelAndRemembersIt() {
        auto* toggle = window_->findChild<QAction*>(QStringLiteral("mndspSuggest"));
        QVERIFY(toggle != nullptr);
        QVERIFY(toggle->isChecked());
        const int tableWidth = window_->grid()->width();
        toggle->trigger();
        QVERIFY(!panel()->isVisible());
        QVERIFY(window_->grid()->width() > tableWidth);
        QCOMPARE(settings_->value(u"RgDsp", u"RgSuggest"), std::optional<std::u16string>(u"0"));
        // A new window starts as the setting says.
        window_ = std::make_unique<MainWindow>(*program_);
        window_->show();
        QVERIFY(!panel()->isVisible());
        window_->findChild<QAction*>(QStringLiteral("mndspSuggest"))->trigger();
        QVERIFY(panel()->isVisible());
        QCOMPARE(settings_->value(u"RgDsp", u"RgSuggest"), std::optional<std::u16string>(u"1"));
    }

private:
    void newMeeting() {
        window_->findChild<QAction*>(QStringLiteral("mnfileitem_0"))->trigger();
        MeetingState& s = program_->state;
        s.matchMethod = MatchMethod::TwoTeamDoubles;
        s.teamSize = {4, 4, 0};
        for (int slot = 1; slot <= 4; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[0][slot] = u"赤" + digit;
            s.memberAbbrev[1][slot] = u"白" + digit;
        }
        QVERIFY(program_->meetingFile.saveMeeting(SaveTarget::Meeting));
        emit window_->findChild<QTabBar*>(QStringLiteral("tabPage"))->tabBarClicked(0);
    }

    void click(const char* name) {
        window_->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    SuggestionPanel* panel() { return window_->suggestionPanel(); }
    QListWidget* list() {
        return panel()->findChild<QListWidget*>(QStringLiteral("lstSuggestions"));
    }

    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<MemorySettingsStore> settings_;
    FixedClock clock_{std::tm{}};
    std::unique_ptr<Program> program_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(TestSuggestionPanel)
#include "TestSuggestionPanel.moc"
