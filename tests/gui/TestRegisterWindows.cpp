#include "GuiTestHelpers.h"
#include "MainWindowHarness.h"
#include "app/MeetingFileCommands.h"
#include "app/RegisterLink.h"
#include "state/MeetingState.h"
#include "ui/dialogs/MemberMasterDialog.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/register/AttendanceReportDialog.h"
#include "ui/register/CheckInDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr std::array<const char16_t*, 4> kNames = {u"山田", u"佐藤", u"鈴木", u"高橋"};

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

} // namespace

// The club register's windows in the real main window on a fresh working
// folder: the check-in and the pairing table, the register fields of the
// master editor, the attendance report and the pairing confirmation's
// warning.
class TestRegisterWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { app_.reset(); }
    void checkInDecidesWhoRestsInThePairingTable();
    void levelAndPairRuleSurviveReopeningTheEditor();
    void attendanceReportShowsTheReportItIsGiven();
    void confirmationWarnsOfABrokenPairRule();

private:
    void checkIn(CheckInDialog& dialog);
    bool resting(int slot) const { return app_->program->state.memberStatus[0][slot] > 1; }
    void pick(int first, int second, int third, int fourth);

    std::unique_ptr<MainWindowHarness> app_;
};

// Four members in the master and, in the same order, on the roster of a
// one-team doubles meeting in the scratch file; the register open.
void TestRegisterWindows::init() {
    app_ = std::make_unique<MainWindowHarness>();
    QVERIFY(app_->show());
    Program& program = *app_->program;
    std::tm evening{};
    evening.tm_year = 126;
    evening.tm_mon = 11;
    evening.tm_mday = 7;
    evening.tm_hour = 18;
    evening.tm_min = 30;
    app_->clock.set(evening);
    MemberMaster& master = program.master;
    master.memberCount = static_cast<std::int16_t>(kNames.size());
    for (std::size_t k = 0; k < kNames.size(); ++k) {
        MemberRecord& member = master.members.at(k + 1);
        member.name = kNames[k];
        member.abbrev = kNames[k];
        member.sex = static_cast<std::int16_t>(k % 2);
    }
    QVERIFY(master.writeFile() == FileFault::None);
    if (!program.clubRegister.isOpen()) {
        openClubRegister(program);
    }

    app_->window->findChild<QAction*>(QStringLiteral("mnfileitem_0"))->trigger();
    MeetingState& s = program.state;
    s.matchMethod = MatchMethod::OneTeamDoubles;
    s.teamSize = {4, 0, 0};
    for (int slot = 1; slot <= 4; ++slot) {
        s.memberAbbrev[0][slot] = kNames.at(static_cast<std::size_t>(slot - 1));
        s.memberStatus[0][slot] = static_cast<std::int16_t>((slot - 1) % 2);
    }
    QVERIFY(saveMeeting(program, SaveTarget::Meeting));
    app_->window->render();
}

void TestRegisterWindows::checkInDecidesWhoRestsInThePairingTable() {
    QVERIFY(app_->program->clubRegister.isOpen());
    bool shown = false;
    whenModal<CheckInDialog>([&](CheckInDialog& dialog) {
        shown = true;
        checkIn(dialog);
        QVERIFY(pressHelpKey(&dialog));
        dialog.accept();
    });
    app_->window->findChild<QAction*>(QStringLiteral("mnregCheckIn"))->trigger();
    QVERIFY(shown);
    QCOMPARE(app_->platform.helpPages().size(), std::size_t{1});
    QVERIFY(app_->platform.helpPages()[0].ends_with("/html/TENIS13.htm"));
}

void TestRegisterWindows::checkIn(CheckInDialog& dialog) {
    auto* table = child<QTableWidget>(dialog, "checkInTable");
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->item(0, CheckInDialog::NameColumn)->text(), QStringLiteral("山田"));
    auto* first = qobject_cast<QPushButton*>(table->cellWidget(0, CheckInDialog::PresenceColumn));
    QCOMPARE(first->text(), QStringLiteral("到着"));
    first->click();
    qobject_cast<QPushButton*>(table->cellWidget(1, CheckInDialog::PresenceColumn))->click();
    // Behind the window, the two who came play; the others rest.
    const MeetingState& s = app_->program->state;
    QVERIFY(!resting(1) && !resting(2) && resting(3) && resting(4));
    QCOMPARE(s.pairState[0][2][1], std::int16_t{0});
    QCOMPARE(s.pairState[0][3][1], std::int16_t{4});
    QVERIFY(table->item(0, CheckInDialog::TimesColumn)->text().contains(QStringLiteral("18:30")));
    QCOMPARE(first->text(), QStringLiteral("休憩"));
    // A break rests the member until it ends.
    first->click();
    QVERIFY(resting(1));
    QCOMPARE(s.pairState[0][2][1], std::int16_t{4});
    QCOMPARE(first->text(), QStringLiteral("休憩終了"));
    first->click();
    QVERIFY(!resting(1));
    QVERIFY(child<QLabel>(dialog, "feeTotals")->text().startsWith(QStringLiteral("到着 2人")));
}

void TestRegisterWindows::levelAndPairRuleSurviveReopeningTheEditor() {
    QVERIFY(app_->program->clubRegister.isOpen());
    auto open = [this] {
        auto editor = std::make_unique<MemberMasterDialog>(*app_->program, app_->window.get());
        editor->show();
        auto* grid = child<QTableWidget>(*editor, "Grid1");
        // Member 2 is on grid row 3.
        emit grid->cellClicked(3, 4);
        return editor;
    };
    {
        auto editor = open();
        auto* level = child<QComboBox>(*editor, "levelBox");
        level->setCurrentIndex(4);
        emit level->activated(4);
        auto* other = child<QComboBox>(*editor, "pairRuleMember");
        other->setCurrentIndex(other->findData(3));
        auto* kind = child<QComboBox>(*editor, "pairRuleKind");
        kind->setCurrentIndex(1);
        child<QPushButton>(*editor, "addPairRule")->click();
        QCOMPARE(child<QListWidget>(*editor, "pairRuleList")->count(), 1);
        child<QPushButton>(*editor, "Command1")->click();
    }
    auto editor = open();
    QCOMPARE(child<QComboBox>(*editor, "levelBox")->currentIndex(), 4);
    auto* rules = child<QListWidget>(*editor, "pairRuleList");
    QCOMPARE(rules->count(), 1);
    QVERIFY2(rules->item(0)->text().contains(QStringLiteral("鈴木")),
             qPrintable(rules->item(0)->text()));
    // Removed and written, the rule is gone from the register.
    rules->setCurrentRow(0);
    child<QPushButton>(*editor, "removePairRule")->click();
    QCOMPARE(rules->count(), 0);
    child<QPushButton>(*editor, "Command1")->click();
    QVERIFY(app_->program->clubRegister.pairRules().empty());
}

void TestRegisterWindows::attendanceReportShowsTheReportItIsGiven() {
    AttendanceReport report;
    report.meetingsHeld = 4;
    report.rows = {{{1, u"山田"}, MemberType::Member, 4, 100, 2000, 2000},
                   {{0, u"旧人"}, MemberType::Guest, 1, 25, 1000, 0}};
    report.totalDue = 3000;
    report.totalPaid = 2000;
    AttendanceReportDialog dialog(*app_->program, report, app_->window.get());
    auto* table = child<QTableWidget>(dialog, "attendanceTable");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 7);
    const QStringList first = {"1", "山田", "会員", "4", "100", "2000", "2000"};
    const QStringList second = {"", "旧人", "ゲスト", "1", "25", "1000", "0"};
    for (int column = 0; column < 7; ++column) {
        QCOMPARE(table->item(0, column)->text(), first[column]);
        QCOMPARE(table->item(1, column)->text(), second[column]);
    }
    QCOMPARE(child<QLabel>(dialog, "attendanceTotals")->text(),
             QStringLiteral("開催 4回　会費予定 3000円　会費入金 2000円"));
}

void TestRegisterWindows::pick(int first, int second, int third, int fourth) {
    MeetingState& s = app_->program->state;
    s.pickTeam = {0, 0, 0};
    s.pickMember1 = {static_cast<std::int16_t>(first), static_cast<std::int16_t>(third), 0};
    s.pickMember2 = {static_cast<std::int16_t>(second), static_cast<std::int16_t>(fourth), 0};
}

void TestRegisterWindows::confirmationWarnsOfABrokenPairRule() {
    QVERIFY(app_->program->clubRegister.isOpen());
    MasterEdits edits;
    edits.pairRules =
        std::vector<PairRule>{{{1, u"山田"}, {2, u"佐藤"}, PairRuleKind::NeverPartner}};
    QVERIFY(!app_->program->clubRegister.applyMasterEdits(edits));
    pick(1, 3, 2, 4);
    {
        PairingConfirmationDialog keeps(*app_->program, app_->window.get());
        QVERIFY(child<QLabel>(keeps, "pairRuleWarning")->isHidden());
    }
    pick(1, 2, 3, 4);
    PairingConfirmationDialog breaks(*app_->program, app_->window.get());
    auto* warning = child<QLabel>(breaks, "pairRuleWarning");
    QVERIFY(!warning->isHidden());
    QVERIFY2(warning->text().contains(QStringLiteral("山田")), qPrintable(warning->text()));
    QVERIFY(child<QPushButton>(breaks, "Command1")->isEnabled());
}

QTEST_MAIN(TestRegisterWindows)
#include "TestRegisterWindows.moc"
