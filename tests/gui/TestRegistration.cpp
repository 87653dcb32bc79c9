#include "FixedClock.h"
#include "GuiTestHelpers.h"
#include "ScriptedPlatform.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"
#include "text/Cp932.h"
#include "text/FixedText.h"
#include "ui/dialogs/MemberMasterDialog.h"
#include "ui/dialogs/PictureChooserDialog.h"
#include "ui/dialogs/RosterDialog.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/dialogs/TeamInfoDialog.h"
#include "ui/main/MainGridView.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// Clicks a button; check boxes and option buttons near their indicator.
void click(QWidget& parent, const char* button) {
    auto* target = child<QAbstractButton>(parent, button);
    const bool indicator = qobject_cast<QPushButton*>(target) == nullptr;
    QTest::mouseClick(target, Qt::LeftButton, {},
                      indicator ? QPoint(8, target->height() / 2) : target->rect().center());
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void clickCell(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    QVERIFY(item != nullptr);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
}

// Saves an image of a window when RALLYNOTE_SCREENSHOT_DIR names a folder.
void screenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("RALLYNOTE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    }
}

void writeBitmap(const QString& path) {
    QImage image(60, 70, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    QVERIFY(image.save(path, "BMP"));
}

struct Member {
    const char16_t* name;
    const char16_t* abbrev;
    bool female;
    int photo;
};

const Member kMembers[] = {
    {u"山田太郎", u"山田", false, 1}, {u"佐藤花子", u"佐藤", true, 2},
    {u"鈴木一郎", u"鈴木", false, 3}, {u"高橋美咲", u"高橋", true, 4},
    {u"田中健", u"田中", false, 45},
};

} // namespace

// The registration windows on a temporary working folder with scripted
// answers: a club started from nothing through the main window's menus, and
// the dialogs' own behaviour.
class TestRegistration : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAClubFromAnEmptyFolder();
    void intraTeamModeLocksTheTabsAndRegistration();
    void masterEditorAsksBeforeDroppingEdits();
    void classCodeBoxDiscardsLetters();
    void teamInfoKeepsTheMethodOnceMatchesWerePlayed();
    void helpKeyOpensEachDialogsPage();
    void rosterActsOnTheLineTheArrowKeysReached();
    void abbrevBoxHoldsWhatItsFieldStores();
    void enterPressesNoHiddenButton();

private:
    void openMainWindow();
    void trigger(const char* item);
    void choose(const char* menu, const QString& caption);
    void newScratchFile();
    void registerMembers(MemberMasterDialog& editor);
    void playOneMatch();
    void checkStoredData();

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPlatform platform_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<MainWindow> window_;
};

void TestRegistration::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    platform_.clear();
    program_ = std::make_unique<Program>(platform_, clock_, settings_,
                                         std::filesystem::path(dir_->path().toStdString()));
}

void TestRegistration::cleanup() {
    window_.reset();
    program_.reset();
    dir_.reset();
}

void TestRegistration::openMainWindow() {
    window_ = std::make_unique<MainWindow>(*program_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestRegistration::trigger(const char* item) {
    auto* action = window_->findChild<QAction*>(QString::fromLatin1(item));
    QVERIFY2(action != nullptr, item);
    action->trigger();
}

// Chooses a menu item by its caption.
void TestRegistration::choose(const char* menu, const QString& caption) {
    auto* found = window_->findChild<QMenu*>(QString::fromLatin1(menu));
    QVERIFY2(found != nullptr, menu);
    for (QAction* action : found->actions()) {
        if (action->text() == caption) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(caption));
}

// The data file is started as New starts it: one meeting in the scratch file.
void TestRegistration::newScratchFile() {
    program_->state.meetingCount = 1;
    QVERIFY(createScratchFile(*program_));
}

void TestRegistration::registerMembers(MemberMasterDialog& editor) {
    writeBitmap(dir_->filePath(QStringLiteral("tenis045.bmp")));
    for (int i = 0; i < 5; ++i) {
        click(editor, "Command3"); // 追加: blank members at the top
    }
    auto* grid = child<QTableWidget>(editor, "Grid1");
    for (int i = 0; i < 5; ++i) {
        const Member& m = kMembers[i];
        clickCell(grid, i + 2, 4);
        QCOMPARE(editor.editor().selection(), i + 1);
        child<QLineEdit>(editor, "Text1")->clear();
        QTest::keyClicks(child<QLineEdit>(editor, "Text1"), QString::number(100 + i));
        child<QLineEdit>(editor, "Text2")->setText(QString::fromUtf16(m.name));
        child<QLineEdit>(editor, "Text3")->setText(QString::fromUtf16(m.abbrev));
        click(editor, m.female ? "Option2" : "Option1");
        if (m.photo != 45) {
            child<QLineEdit>(editor, "Text7")->clear();
            QTest::keyClicks(child<QLineEdit>(editor, "Text7"), QString::number(m.photo));
            continue;
        }
        // The photo of the last member is chosen with the picture chooser.
        whenModal<PictureChooserDialog>([](PictureChooserDialog& chooser) {
            auto* files = child<QListWidget>(chooser, "File1");
            const auto found = files->findItems(QStringLiteral("tenis045.bmp"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            clickRow(files, files->row(found.front()));
            click(chooser, "CmdOk");
        });
        click(editor, "CmdPic");
    }
    QCOMPARE(grid->item(6, 3)->text(), QStringLiteral("045"));
    QCOMPARE(grid->item(3, 6)->text(), QStringLiteral("女性"));
    screenshot(editor, "Form7.png");
    click(editor, "Command1"); // 更新
    QVERIFY(!editor.isVisible());
}

void TestRegistration::startsAClubFromAnEmptyFolder() {
    openMainWindow();
    trigger("mnfileitem_0"); // New
    QCOMPARE(program_->state.openName, std::u16string(u"取りあえず.rlw"));
    platform_.clear();

    choose("mnreg", QStringLiteral("マスター登録(&N)")); // modeless
    auto* editor = window_->findChild<MemberMasterDialog*>();
    QVERIFY(editor != nullptr && editor->isVisible());
    registerMembers(*editor);

    // Team A: members 1 and 2; team B: members 3, 4 and 5, member 5 resting.
    whenModal<RosterDialog>([](RosterDialog& roster) {
        auto* rosterList = child<QListWidget>(roster, "List1");
        auto* masterList = child<QListWidget>(roster, "List2");
        QCOMPARE(masterList->count(), 5);
        // A new file's teams hold the ten placeholders of start-up.
        const auto clearTeam = [&] {
            QCOMPARE(rosterList->count(), 10);
            clickRow(rosterList, 0);
            for (int i = 0; i < 10; ++i) {
                click(roster, "Command3"); // 削除
            }
            QCOMPARE(rosterList->count(), 0);
        };
        clearTeam();
        for (int member : {0, 1}) {
            clickRow(masterList, member);
            click(roster, "Command2");
        }
        screenshot(roster, "Form8-A.png");
        click(roster, "Command4");
        QCOMPARE(child<QLabel>(roster, "Label3")->text(), QStringLiteral("チーム  Ｂ"));
        clearTeam();
        for (int member : {2, 3, 4}) {
            clickRow(masterList, member);
            click(roster, "Command2");
        }
        clickRow(rosterList, 2);
        click(roster, "Check1");
        QCOMPARE(rosterList->item(1)->text(), QStringLiteral(" 02 004 ◎  女 高橋      "));
        QCOMPARE(rosterList->item(2)->text(), QStringLiteral(" 03 045 休  男 田中      "));
        screenshot(roster, "Form8-B.png");
        click(roster, "Command5"); // 更新
    });
    choose("mnreg", QStringLiteral("参加者登録(&M)"));
    // The main window shows team B, which the roster showed last.
    QCOMPARE(program_->state.currentTeam, 1);
    QCOMPARE(window_->findChild<QTabBar*>(QStringLiteral("tabPage"))->currentIndex(), 1);

    whenModal<TeamInfoDialog>([](TeamInfoDialog& team) {
        child<QLineEdit>(team, "Text1")->setText(QStringLiteral("春季練習会"));
        child<QLineEdit>(team, "Text2")->setText(QStringLiteral("赤組"));
        child<QLineEdit>(team, "Text3")->setText(QStringLiteral("白組"));
        QVERIFY(child<QRadioButton>(team, "Option1")->isChecked());
        screenshot(team, "Form9.png");
        click(team, "Command1"); // 更新
    });
    choose("mnreg", QStringLiteral("チーム情報登録(&T)"));
    QCOMPARE(program_->state.currentTeam, 0);
    QCOMPARE(window_->findChild<QTabBar*>(QStringLiteral("tabPage"))->currentIndex(), 0);
    QVERIFY(platform_.events().empty());

    playOneMatch();
    screenshot(*window_, "Form1.png");
    checkStoredData();

    // With a result in the meeting the match method stays.
    whenModal<TeamInfoDialog>([](TeamInfoDialog& team) {
        click(team, "Option3");
        QVERIFY(child<QRadioButton>(team, "Option1")->isChecked());
        click(team, "Command2"); // ｷｬﾝｾﾙ
    });
    choose("mnreg", QStringLiteral("チーム情報登録(&T)"));
    QCOMPARE(platform_.messages(),
             std::vector<std::u16string>{u"試合が開始されています。変更出来ません。"});
}

// Team A's pair 1-2 against team B's pair 1-2, picked on the pairing table,
// decided, and settled 6 games to 4 from the running-match list.
void TestRegistration::playOneMatch() {
    MainGridView* grid = window_->grid();
    const auto doubleClickPair = [grid] {
        const QModelIndex cell = grid->model()->index(1, 2);
        doubleClickAt(grid->viewport(), grid->visualRect(cell).center());
    };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton);
    doubleClickPair();
    QCOMPARE(program_->state.currentTeam, 1);
    whenModal<QDialog>([](QDialog& confirmation) {
        QCOMPARE(confirmation.objectName(), QStringLiteral("Form4"));
        click(confirmation, "Command1"); // 決定
    });
    doubleClickPair();
    QCOMPARE(program_->state.runningCount, 1);

    auto* list = window_->findChild<RunningMatchesWindow*>();
    QVERIFY(list != nullptr);
    whenModal<QDialog>([](QDialog& entry) {
        QCOMPARE(entry.objectName(), QStringLiteral("Form3"));
        QTest::keyClicks(child<QLineEdit>(entry, "Text1"), QStringLiteral("6"));
        QTest::keyClicks(child<QLineEdit>(entry, "Text2"), QStringLiteral("4"));
        click(entry, "Command1");
    });
    QTableWidget* running = list->grid();
    doubleClickAt(running->viewport(), running->visualRect(running->model()->index(1, 2)).center());
    QCOMPARE(program_->state.runningCount, 0);
    list->close();
}

// What was entered is in "tennis.mst" and in the data file, byte for byte.
void TestRegistration::checkStoredData() {
    MemberMaster master(program_->workDir);
    QVERIFY(readMasterFile(platform_, master, [](int) {}));
    QCOMPARE(master.memberCount, 5);
    QCOMPARE(std::filesystem::file_size(program_->workDir / "tennis.mst"), 5 * MemberRecord::kSize);
    for (int i = 0; i < 5; ++i) {
        const MemberRecord& entry = master.members[static_cast<std::size_t>(i + 1)];
        QVERIFY(entry.name.str() == fitText(kMembers[i].name, 16));
        QVERIFY(entry.abbrev.str() == fitText(kMembers[i].abbrev, 8));
        QCOMPARE(entry.sex, kMembers[i].female ? 1 : 0);
        QCOMPARE(entry.photoNo, kMembers[i].photo);
        QCOMPARE(entry.classCode, 100 + i);
    }

    MeetingRecord record;
    QVERIFY(program_->meetingFile.readRecord(1, record));
    QCOMPARE(record.count(), 1);
    const std::uint8_t* bytes = record.bytes.data();
    QVERIFY(cp932::readField(bytes + MeetingRecord::kTitleOffset, 40) ==
            fitText(u"春季練習会", 40));
    QVERIFY(cp932::readField(bytes + MeetingRecord::kTeamNameAOffset, 20) == fitText(u"赤組", 20));
    QVERIFY(cp932::readField(bytes + MeetingRecord::kTeamNameBOffset, 20) == fitText(u"白組", 20));
    QCOMPARE(record.int32At(MeetingRecord::kResultOffset + 4 * MeetingRecord::resultIndex(0, 1, 2)),
             6004);
    QCOMPARE(record.int32At(MeetingRecord::kResultOffset + 4 * MeetingRecord::resultIndex(1, 2, 1)),
             4006);
    QCOMPARE(record.int16At(MeetingRecord::kTeamSizeOffset), 2);
    QCOMPARE(record.int16At(MeetingRecord::kTeamSizeOffset + 2), 3);
    struct Slot {
        int team;
        int slot;
        int member;
        int status;
    };
    for (const Slot s : {Slot{0, 1, 0, 0}, Slot{0, 2, 1, 1}, Slot{1, 1, 2, 0}, Slot{1, 2, 3, 1},
                         Slot{1, 3, 4, 10}}) {
        const std::size_t at = MeetingRecord::participantIndex(s.team, s.slot);
        QVERIFY(cp932::readField(bytes + MeetingRecord::kAbbrevOffset + 8 * at, 8) ==
                fitText(kMembers[s.member].abbrev, 8));
        QCOMPARE(record.int16At(MeetingRecord::kStatusOffset + 2 * at), s.status);
        QCOMPARE(record.int16At(MeetingRecord::kPhotoNoOffset + 2 * at), kMembers[s.member].photo);
    }
}

void TestRegistration::intraTeamModeLocksTheTabsAndRegistration() {
    openMainWindow();
    auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("tabPage"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(program_->state.currentTeam, 1);
    choose("mnvs", QStringLiteral("チーム内対抗設定/解除(&T)"));
    QCOMPARE(program_->state.intraTeamMode, IntraTeamMode::On);
    QVERIFY(!tabs->isEnabled());
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(program_->state.currentTeam, 1);

    // No file is open, yet the intra-team message comes first.
    choose("mnreg", QStringLiteral("参加者登録(&M)"));
    QCOMPARE(platform_.messages(),
             std::vector<std::u16string>{
                 u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。"});

    choose("mnvs", QStringLiteral("チーム内対抗設定/解除(&T)"));
    QVERIFY(tabs->isEnabled());
    QCOMPARE(tabs->currentIndex(), 1);
}

void TestRegistration::masterEditorAsksBeforeDroppingEdits() {
    MemberMasterDialog editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    click(editor, "Command3");
    platform_.setNextAnswer(false);
    click(editor, "Command2"); // ｷｬﾝｾﾙ, answered No
    QVERIFY(editor.isVisible());
    platform_.setNextAnswer(true);
    editor.close();
    QVERIFY(!editor.isVisible());
    QCOMPARE(platform_.questions().size(), std::size_t{2});
    std::error_code missing;
    QVERIFY(std::filesystem::file_size(program_->workDir / "tennis.mst", missing) == 0 || missing);
}

void TestRegistration::classCodeBoxDiscardsLetters() {
    MemberMasterDialog editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    click(editor, "Command3");
    clickCell(child<QTableWidget>(editor, "Grid1"), 2, 2);
    auto* box = child<QLineEdit>(editor, "Text1");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1a2Bz3"));
    QCOMPARE(box->text(), QStringLiteral("123"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("５"));
    QApplication::sendEvent(box, &composed);
    QCOMPARE(box->text(), QStringLiteral("123"));
    QCOMPARE(program_->master.members[1].classCode, 123);
    platform_.setNextAnswer(true);
    editor.close();
}

void TestRegistration::teamInfoKeepsTheMethodOnceMatchesWerePlayed() {
    newScratchFile();
    program_->state.playedTotal = 1;
    TeamInfoDialog dialog(*program_, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click(dialog, "Option3");
    QCOMPARE(platform_.messages().size(), std::size_t{1});
    QVERIFY(child<QRadioButton>(dialog, "Option1")->isChecked());
    QVERIFY(!child<QRadioButton>(dialog, "Option3")->isChecked());
    click(dialog, "Command1");
    QCOMPARE(program_->state.matchMethod, MatchMethod::TwoTeamDoubles);
}

void TestRegistration::helpKeyOpensEachDialogsPage() {
    newScratchFile();
    Roster roster(*program_);
    MemberMasterDialog editor(*program_, nullptr);
    RosterDialog rosterDialog(*program_, roster, nullptr);
    TeamInfoDialog teamDialog(*program_, nullptr);
    PictureChooserDialog chooser(*program_, nullptr);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&editor, &rosterDialog, &teamDialog, &chooser}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(pressHelpKey(window));
        QTest::keyClick(window, Qt::Key_F2);
    }
    const std::string html = (program_->workDir / "html").string() + "/";
    const std::vector<std::string> pages = {html + "TENIS1.htm", html + "TENIS4.htm",
                                            html + "TENIS3.htm"};
    QCOMPARE(platform_.helpPages(), pages);
}

void TestRegistration::rosterActsOnTheLineTheArrowKeysReached() {
    newScratchFile();
    program_->state.teamSize = {4, 4, 0};
    Roster roster(*program_);
    RosterDialog dialog(*program_, roster, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* rosterList = child<QListWidget>(dialog, "List1");
    clickRow(rosterList, 0);
    QTest::keyClick(rosterList, Qt::Key_Down);
    QTest::keyClick(rosterList, Qt::Key_Down);
    click(dialog, "Command3"); // 削除
    QCOMPARE(program_->state.teamSize[0], 3);
    QCOMPARE(program_->state.memberAbbrev[0][2].str().substr(0, 3), std::u16string(u"Ａ02"));
    QCOMPARE(program_->state.memberAbbrev[0][3].str().substr(0, 3), std::u16string(u"Ａ04"));
}

void TestRegistration::abbrevBoxHoldsWhatItsFieldStores() {
    MemberMasterDialog editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    click(editor, "Command3");
    clickCell(child<QTableWidget>(editor, "Grid1"), 2, 2);
    auto* box = child<QLineEdit>(editor, "Text3");
    // Characters typed one by one through the input method.
    const auto type = [box](const QString& text) {
        for (const QChar c : text) {
            QInputMethodEvent composed;
            composed.setCommitString(QString(c));
            QApplication::sendEvent(box, &composed);
        }
    };
    box->clear();
    type(QStringLiteral("山田太郎花"));
    QCOMPARE(box->text(), QStringLiteral("山田太郎"));
    box->clear();
    type(QStringLiteral("ab山田太郎"));
    QCOMPARE(box->text(), QStringLiteral("ab山田太"));
    QCOMPARE(program_->master.members[1].abbrev.str(), std::u16string(u"ab山田太   "));
    platform_.setNextAnswer(true);
    editor.close();
}

void TestRegistration::enterPressesNoHiddenButton() {
    newScratchFile();
    // Enter in a box of the master editor opens no picture chooser.
    MemberMasterDialog editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    bool chooserOpened = false;
    QTimer::singleShot(0, [&chooserOpened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            chooserOpened = true;
            modal->close();
        }
    });
    QTest::keyClick(child<QLineEdit>(editor, "Text2"), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(!chooserOpened);
    platform_.setNextAnswer(true);
    editor.close();

    // Enter in a box of the team information keeps the dialog and its edits
    // open; Enter on a button presses that button.
    TeamInfoDialog team(*program_, nullptr);
    team.show();
    QVERIFY(QTest::qWaitForWindowExposed(&team));
    auto* title = child<QLineEdit>(team, "Text1");
    title->setText(QStringLiteral("途中"));
    QTest::keyClick(title, Qt::Key_Return);
    QVERIFY(team.isVisible());
    QCOMPARE(program_->state.meetingTitle.str().substr(0, 6), std::u16string(u"テニスの試合"));
    QTest::keyClick(child<QPushButton>(team, "Command1"), Qt::Key_Return);
    QVERIFY(!team.isVisible());
    QCOMPARE(program_->state.meetingTitle.str().substr(0, 2), std::u16string(u"途中"));
}

QTEST_MAIN(TestRegistration)
#include "TestRegistration.moc"
