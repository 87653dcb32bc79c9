#include "GuiTestHelpers.h"
#include "MainWindowHarness.h"
#include "app/MeetingFileCommands.h"
#include "app/SuggestedPicks.h"
#include "matching/PairSelection.h"
#include "platform/Clock.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/main/MainGridView.h"
#include "ui/suggestions/SuggestionPanel.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
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
        app_ = std::make_unique<MainWindowHarness>();
        QVERIFY(app_->show());
        newMeeting();
    }
    void cleanup() { app_.reset(); }

    void listsTheTopThree() {
        QVERIFY(panel()->isVisible());
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->currentRow(), 0);
        QVERIFY2(list()->item(0)->text().contains(QStringLiteral("：本日0試合・今季初ペア")),
                 qPrintable(list()->item(0)->text()));
        list()->setFocus();
        QVERIFY(pressHelpKey(list()));
        QCOMPARE(app_->platform.helpPages().size(), std::size_t{1});
        QVERIFY(app_->platform.helpPages()[0].ends_with("/html/TENIS11.htm"));
    }

    void enterOnTheTableOpensTheConfirmationWithTheSuggestedPicks() {
        const std::vector<Suggestion> best = currentSuggestions(*app_->program, 1);
        QCOMPARE(best.size(), std::size_t{1});
        // The picks double-clicking the suggested cells would make.
        const auto byHand = std::make_unique<MeetingState>(app_->program->state);
        for (const PickCell& cell : best[0].cells) {
            byHand->currentTeam = static_cast<std::int16_t>(cell.team);
            selectPair(*byHand, app_->platform, cell.column, cell.row);
        }
        bool confirmed = false;
        whenModal<PairingConfirmationDialog>([&](PairingConfirmationDialog& dialog) {
            const MeetingState& s = app_->program->state;
            QCOMPARE(s.pickTeam, byHand->pickTeam);
            QCOMPARE(s.pickMember1, byHand->pickMember1);
            QCOMPARE(s.pickMember2, byHand->pickMember2);
            confirmed = true;
            dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        app_->window->grid()->setFocus();
        QTest::keyClick(app_->window->grid(), Qt::Key_Return);
        QVERIFY(confirmed);
        const MeetingState& s = app_->program->state;
        QCOMPARE(s.runningCount, 1);
        QCOMPARE(s.slotMember1[0][1], byHand->pickMember1[0]);
        QCOMPARE(s.slotMember1[1][1], byHand->pickMember1[1]);
        QCOMPARE(app_->platform.beepCount(), 0);
        // The next suggestions leave the four players on court out.
        QCOMPARE(list()->count(), 1);
    }

    void hiddenWhileAnEarlierMeetingIsShown() {
        MeetingState& s = app_->program->state;
        s.meetingCount = 2;
        QVERIFY(saveMeeting(*app_->program, SaveTarget::MeetingAndCount));
        click("Command2");
        QCOMPARE(s.viewedMeeting, 1);
        QVERIFY(!panel()->isVisible());
        QVERIFY(!panel()->chooseCurrent());
        click("Command3");
        QVERIFY(panel()->isVisible());
        QCOMPARE(list()->count(), 3);
    }

    void theMenuTogglesThePanelAndRemembersIt() {
        auto* toggle = app_->window->findChild<QAction*>(QStringLiteral("mndspSuggest"));
        QVERIFY(toggle != nullptr);
        QVERIFY(toggle->isChecked());
        const int tableWidth = app_->window->grid()->width();
        toggle->trigger();
        QVERIFY(!panel()->isVisible());
        QVERIFY(app_->window->grid()->width() > tableWidth);
        QCOMPARE(app_->settings.value(u"RgDsp", u"RgSuggest"), std::optional<std::u16string>(u"0"));
        // A new window starts as the setting says.
        app_->window = std::make_unique<MainWindow>(*app_->program);
        app_->window->show();
        QVERIFY(!panel()->isVisible());
        app_->window->findChild<QAction*>(QStringLiteral("mndspSuggest"))->trigger();
        QVERIFY(panel()->isVisible());
        QCOMPARE(app_->settings.value(u"RgDsp", u"RgSuggest"), std::optional<std::u16string>(u"1"));
    }

private:
    void newMeeting() {
        app_->window->findChild<QAction*>(QStringLiteral("mnfileitem_0"))->trigger();
        MeetingState& s = app_->program->state;
        s.matchMethod = MatchMethod::TwoTeamDoubles;
        s.teamSize = {4, 4, 0};
        for (int slot = 1; slot <= 4; ++slot) {
            const std::u16string digit(1, static_cast<char16_t>(u'0' + slot));
            s.memberAbbrev[0][slot] = u"赤" + digit;
            s.memberAbbrev[1][slot] = u"白" + digit;
        }
        QVERIFY(saveMeeting(*app_->program, SaveTarget::Meeting));
        emit app_->window->findChild<QTabBar*>(QStringLiteral("tabPage"))->tabBarClicked(0);
    }

    void click(const char* name) {
        app_->window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    SuggestionPanel* panel() { return app_->window->suggestionPanel(); }
    QListWidget* list() {
        return panel()->findChild<QListWidget*>(QStringLiteral("lstSuggestions"));
    }

    std::unique_ptr<MainWindowHarness> app_;
};

QTEST_MAIN(TestSuggestionPanel)
#include "TestSuggestionPanel.moc"
