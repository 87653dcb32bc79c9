#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/ScriptedPlatform.h"
#include "storage/SettingsStore.h"
#include "text/Cp932.h"
#include "text/FixedText.h"
#include "ui/dialogs/Form7.h"
#include "ui/dialogs/Form8.h"
#include "ui/dialogs/Form9.h"
#include "ui/dialogs/frmDirBmp.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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

class TestRegistration : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAClubFromAnEmptyFolder();
    void masterEditorAsksBeforeDroppingEdits();
    void classCodeBoxDiscardsLetters();
    void teamInfoKeepsTheMethodOnceMatchesWerePlayed();
    void helpKeyOpensEachDialogsPage();

private:
    void newScratchFile();
    void registerMembers();
    void fillRoster();
    void nameMeeting();

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPlatform platform_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<Program> program_;
};

void TestRegistration::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    platform_.clear();
    program_ = std::make_unique<Program>(platform_, clock_, settings_,
                                         std::filesystem::path(dir_->path().toStdString()));
}

void TestRegistration::cleanup() {
    program_.reset();
    dir_.reset();
}

void TestRegistration::registerMembers() {
    writeBitmap(dir_->filePath(QStringLiteral("tenis045.bmp")));
    Form7 editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
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
        if (m.photo == 45) {
            // The photo of the last member is chosen with the picture chooser.
            QTimer::singleShot(0, this, [] {
                auto* chooser = qobject_cast<frmDirBmp*>(QApplication::activeModalWidget());
                QVERIFY(chooser != nullptr);
                auto* files = child<QListWidget>(*chooser, "File1");
                const auto found =
                    files->findItems(QStringLiteral("tenis045.bmp"), Qt::MatchExactly);
                QCOMPARE(found.size(), 1);
                clickRow(files, files->row(found.front()));
                click(*chooser, "CmdOk");
            });
            click(editor, "CmdPic");
        } else {
            child<QLineEdit>(editor, "Text7")->clear();
            QTest::keyClicks(child<QLineEdit>(editor, "Text7"), QString::number(m.photo));
        }
    }
    QCOMPARE(grid->item(6, 3)->text(), QStringLiteral("045"));
    QCOMPARE(grid->item(3, 6)->text(), QStringLiteral("女性"));
    screenshot(editor, "Form7.png");
    click(editor, "Command1"); // 更新
    QVERIFY(!editor.isVisible());
    QVERIFY(platform_.events().empty());
}

void TestRegistration::fillRoster() {
    Roster roster(*program_);
    Form8 dialog(*program_, roster, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* rosterList = child<QListWidget>(dialog, "List1");
    auto* masterList = child<QListWidget>(dialog, "List2");
    QCOMPARE(masterList->count(), 5);
    // Team A: members 1, 2 and 5; team B: members 3 and 4, member 4 resting.
    for (int member : {0, 1, 4}) {
        clickRow(masterList, member);
        click(dialog, "Command2");
    }
    click(dialog, "Command4");
    QCOMPARE(child<QLabel>(dialog, "Label3")->text(), QStringLiteral("チーム  Ｂ"));
    for (int member : {2, 3}) {
        clickRow(masterList, member);
        click(dialog, "Command2");
    }
    clickRow(rosterList, 1);
    click(dialog, "Check1");
    QCOMPARE(rosterList->item(1)->text(), QStringLiteral(" 02 004 休  女 高橋      "));
    screenshot(dialog, "Form8.png");
    click(dialog, "Command5"); // 更新
    QVERIFY(!dialog.isVisible());
}

void TestRegistration::nameMeeting() {
    Form9 dialog(*program_, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("春季練習会"));
    child<QLineEdit>(dialog, "Text2")->setText(QStringLiteral("赤組"));
    child<QLineEdit>(dialog, "Text3")->setText(QStringLiteral("白組"));
    QVERIFY(child<QRadioButton>(dialog, "Option1")->isChecked());
    screenshot(dialog, "Form9.png");
    click(dialog, "Command1");
    QVERIFY(!dialog.isVisible());
}

// The data file is started as New starts it: one meeting in the scratch file.
void TestRegistration::newScratchFile() {
    program_->state.MeetingCount = 1;
    QVERIFY(program_->meetingFile.CreateScratchFile());
}

void TestRegistration::startsAClubFromAnEmptyFolder() {
    newScratchFile();
    registerMembers();
    fillRoster();
    nameMeeting();

    MemberMaster master(platform_, program_->workDir);
    QVERIFY(master.ReadMasterFile([](int) {}));
    QCOMPARE(master.MemberCount, 5);
    QCOMPARE(std::filesystem::file_size(program_->workDir / "tennis.mst"), 5 * MemberRecord::kSize);
    for (int i = 0; i < 5; ++i) {
        const MemberRecord& entry = master.MemberTable[static_cast<std::size_t>(i + 1)];
        QVERIFY(entry.Name.str() == fitText(kMembers[i].name, 16));
        QVERIFY(entry.Abbrev.str() == fitText(kMembers[i].abbrev, 8));
        QCOMPARE(entry.Sex, kMembers[i].female ? 1 : 0);
        QCOMPARE(entry.PhotoNo, kMembers[i].photo);
        QCOMPARE(entry.ClassCode, 100 + i);
    }

    MeetingRecord record;
    QVERIFY(program_->meetingFile.readRecord(1, record));
    QCOMPARE(record.count(), 1);
    QVERIFY(cp932::readField(record.bytes.data() + MeetingRecord::kTitleOffset, 40) ==
            fitText(u"春季練習会", 40));
    QVERIFY(cp932::readField(record.bytes.data() + MeetingRecord::kTeamNameAOffset, 20) ==
            fitText(u"赤組", 20));
    QCOMPARE(record.int16At(MeetingRecord::kTeamSizeOffset), 3);
    QCOMPARE(record.int16At(MeetingRecord::kTeamSizeOffset + 2), 2);
    struct Slot {
        int team;
        int slot;
        int member;
        int status;
    };
    for (const Slot s : {Slot{0, 1, 0, 0}, Slot{0, 2, 1, 1}, Slot{0, 3, 4, 0}, Slot{1, 1, 2, 0},
                         Slot{1, 2, 3, 11}}) {
        const std::size_t at = MeetingRecord::participantIndex(s.team, s.slot);
        QVERIFY(cp932::readField(record.bytes.data() + MeetingRecord::kAbbrevOffset + 8 * at, 8) ==
                fitText(kMembers[s.member].abbrev, 8));
        QCOMPARE(record.int16At(MeetingRecord::kStatusOffset + 2 * at), s.status);
        QCOMPARE(record.int16At(MeetingRecord::kPhotoNoOffset + 2 * at), kMembers[s.member].photo);
    }
}

void TestRegistration::masterEditorAsksBeforeDroppingEdits() {
    Form7 editor(*program_, nullptr);
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
    Form7 editor(*program_, nullptr);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    click(editor, "Command3");
    clickCell(child<QTableWidget>(editor, "Grid1"), 2, 2);
    auto* box = child<QLineEdit>(editor, "Text1");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1a2Bz3"));
    QCOMPARE(box->text(), QStringLiteral("123"));
    QCOMPARE(program_->master.MemberTable[1].ClassCode, 123);
    platform_.setNextAnswer(true);
    editor.close();
}

void TestRegistration::teamInfoKeepsTheMethodOnceMatchesWerePlayed() {
    newScratchFile();
    program_->state.PlayedTotal = 1;
    Form9 dialog(*program_, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click(dialog, "Option3");
    QCOMPARE(platform_.messages().size(), std::size_t{1});
    QVERIFY(child<QRadioButton>(dialog, "Option1")->isChecked());
    QVERIFY(!child<QRadioButton>(dialog, "Option3")->isChecked());
    click(dialog, "Command1");
    QCOMPARE(program_->state.MatchMethod, 0);
}

void TestRegistration::helpKeyOpensEachDialogsPage() {
    newScratchFile();
    Roster roster(*program_);
    Form7 editor(*program_, nullptr);
    Form8 rosterDialog(*program_, roster, nullptr);
    Form9 teamDialog(*program_, nullptr);
    frmDirBmp chooser(*program_, nullptr);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&editor, &rosterDialog, &teamDialog, &chooser}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_F1);
        QTest::keyClick(window, Qt::Key_F2);
    }
    const std::string html = (program_->workDir / "html").string() + "/";
    const std::vector<std::string> pages = {html + "TENIS1.htm", html + "TENIS4.htm",
                                            html + "TENIS3.htm"};
    QCOMPARE(platform_.helpPages(), pages);
}

QTEST_MAIN(TestRegistration)
#include "TestRegistration.moc"
