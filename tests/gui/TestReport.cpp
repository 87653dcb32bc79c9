#include "FixedClock.h"
#include "GuiTestHelpers.h"
#include "MeetingBuilder.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/WindowPrinter.h"
#include "results/ReportCsv.h"
#include "results/ReportTable.h"
#include "results/StandingsReport.h"
#include "storage/SettingsStore.h"
#include "ui/dialogs/StandingsReportDialog.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(ReportKind)

namespace {

const char16_t* const kSurnames[] = {
    u"佐藤", u"鈴木", u"高橋",   u"田中", u"伊藤", u"渡辺", u"山本", u"中村", u"小林", u"加藤",
    u"吉田", u"山田", u"佐々木", u"山口", u"松本", u"井上", u"木村", u"林",   u"斎藤", u"清水"};

// A team's members get surnames; team B's carry a half-width "B".
void nameMembers(MeetingBuilder& meeting, int sizeA, int sizeB) {
    for (int i = 1; i <= sizeA; ++i) {
        meeting.name(0, i, kSurnames[i - 1]);
    }
    for (int i = 1; i <= sizeB; ++i) {
        meeting.name(1, i, std::u16string(kSurnames[i - 1]) + u"B");
    }
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext ends every page with a form feed.
int pageCount(const QString& text) {
    return static_cast<int>(text.count(u'\f'));
}

QString q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheEngineTextsForEachKind_data();
    void showsTheEngineTextsForEachKind();
    void singlesHideTeamB();
    void f1OpensTheReportHelpPage();
    void centresOverTheMainWindow();
    void printsItsImageOnOnePage();
    void printsTheTableOnOneA4PageForFortyPlayers();
    void savesTheShownKindAsCsv();
    void csvDialogOffersTheNameAndAddsTheExtension();
    void mainWindowOpensTheReportOnTheSums();

private:
    // Writes three meetings with the given teams, the first two with the
    // same results each time, and opens the file with the sums built.
    void openThreeMeetings(int sizeA, int sizeB, int method,
                           const std::function<void(MeetingBuilder&, int)>& play);
    void openClubFile();
    QString pdfPath(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<MemorySettingsStore> settings_;
    std::unique_ptr<Program> program_;
};

void TestReport::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    platform_ = std::make_unique<ScriptedPlatform>();
    clock_ = std::make_unique<FixedClock>(std::tm{});
    settings_ = std::make_unique<MemorySettingsStore>();
    program_ =
        std::make_unique<Program>(*platform_, *clock_, *settings_, dir_->path().toStdU16String());
}

void TestReport::cleanup() {
    WindowPrinter::setPdfOutput({});
    program_.reset();
}

void TestReport::openThreeMeetings(int sizeA, int sizeB, int method,
                                   const std::function<void(MeetingBuilder&, int)>& play) {
    std::vector<std::unique_ptr<MeetingBuilder>> meetings;
    std::vector<const MeetingState*> states;
    for (int k = 1; k <= 3; ++k) {
        auto meeting = std::make_unique<MeetingBuilder>(sizeA, sizeB, method);
        nameMembers(*meeting, sizeA, sizeB);
        meeting->state().teamNameA = u"東テニス会";
        meeting->state().teamNameB = u"西テニス会";
        play(*meeting, k);
        computeStandings(meeting->state());
        states.push_back(&meeting->state());
        meetings.push_back(std::move(meeting));
    }
    writeMeetingFile(dir_->filePath(QStringLiteral("club.rly")).toStdU16String(), states);
    QVERIFY(openMeetingFile(*program_, u"club.rly"));
    buildPairingTable(*program_);
}

// Two teams of six over three meetings: women A5, A6, B6; A6 rests now.
void TestReport::openClubFile() {
    openThreeMeetings(6, 6, 0, [](MeetingBuilder& m, int k) {
        m.twoTeam(1, 2, 1, 2, 6, k).twoTeam(3, 4, 3, 4, 4, 6).twoTeam(5, 6, 5, 6, 5, 5);
        if (k > 1) {
            m.twoTeam(1, 3, 2, 4, 6, 2).twoTeam(2, 5, 1, 6, 3, 6);
        }
        m.woman(0, 5).woman(0, 6).woman(1, 6);
        if (k == 3) {
            m.resting(0, 6);
        }
    });
}

void TestReport::showsTheEngineTextsForEachKind_data() {
    QTest::addColumn<ReportKind>("kind");
    QTest::addColumn<QString>("button");
    QTest::newRow("overall") << ReportKind::Overall << QStringLiteral("Command1");
    QTest::newRow("men") << ReportKind::Men << QStringLiteral("Command2");
    QTest::newRow("women") << ReportKind::Women << QStringLiteral("Command3");
}

void TestReport::showsTheEngineTextsForEachKind() {
    QFETCH(ReportKind, kind);
    QFETCH(QString, button);
    openClubFile();
    QVERIFY(prepareStandingsReport(*program_));

    StandingsReportDialog report(*program_);
    QCOMPARE(report.windowTitle(), QStringLiteral("成績表示"));
    // Start from another kind so that the button has something to change.
    report.showReportKind(kind == ReportKind::Women ? ReportKind::Men : ReportKind::Women);
    QTest::mouseClick(report.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(report.shownKind(), kind);

    const StandingsReport expected = buildStandingsReport(program_->state, kind);
    auto* list = report.findChild<QListWidget*>(QStringLiteral("List1"));
    QVERIFY(list);
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) {
        shown << list->item(row)->text();
    }
    QStringList engine;
    for (const std::u16string& line : expected.memberLines) {
        engine << q(line);
    }
    QCOMPARE(shown, engine);
    QVERIFY(shown.size() > 2);

    const auto box = [&report](const char* name) {
        return report.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(box("Text7"), q(expected.title));
    QCOMPARE(box("Text1"), q(expected.teamAMatches));
    QCOMPARE(box("Text2"), q(expected.teamARecord));
    QCOMPARE(box("Text5"), q(expected.teamAGames));
    QCOMPARE(box("Text3"), q(expected.teamBMatches));
    QCOMPARE(box("Text4"), q(expected.teamBRecord));
    QCOMPARE(box("Text6"), q(expected.teamBGames));
    QCOMPARE(report.findChild<QLabel*>(QStringLiteral("Label3"))->text(), q(expected.teamAName));
    QCOMPARE(report.findChild<QLabel*>(QStringLiteral("Label4"))->text(), q(expected.teamBName));
    QVERIFY(q(expected.teamBName).startsWith(QStringLiteral("西テニス会")));
    QVERIFY(!report.findChild<QLabel*>(QStringLiteral("Label4"))->isHidden());
    // Three meetings: the first has three matches, the others five.
    QCOMPARE(box("Text1"), QStringLiteral(" 総試合数＝ 13"));
}

void TestReport::singlesHideTeamB() {
    openThreeMeetings(4, 0, 2, [](MeetingBuilder& m, int k) {
        m.singles(1, 2, 6, k).singles(3, 4, 2, 6).singles(1, 3, 4, 4);
    });
    QVERIFY(prepareStandingsReport(*program_));
    StandingsReportDialog report(*program_);
    for (const char* name : {"Label4", "Text3", "Text4", "Text6"}) {
        QWidget* control = report.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(control && control->isHidden(), name);
    }
    for (const char* name : {"Label3", "Text1", "Text2", "Text5"}) {
        QWidget* control = report.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(control && !control->isHidden(), name);
    }
    QCOMPARE(report.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
             q(buildStandingsReport(program_->state, ReportKind::Overall).teamAMatches));
}

void TestReport::f1OpensTheReportHelpPage() {
    openClubFile();
    StandingsReportDialog report(*program_);
    QTest::keyClick(&report, Qt::Key_A);
    QVERIFY(platform_->helpPages().empty());
    QVERIFY(pressHelpKey(&report));
    QCOMPARE(platform_->helpPages().size(), std::size_t{1});
    QVERIFY(QString::fromStdString(platform_->helpPages()[0]).endsWith("html/TENIS10.htm"));
}

void TestReport::centresOverTheMainWindow() {
    openClubFile();
    QWidget owner;
    owner.setGeometry(20, 10, 760, 700);
    owner.show();
    StandingsReportDialog report(*program_, &owner);
    report.show();
    const QRect main = owner.geometry();
    QCOMPARE(report.x(), main.left() + (main.width() - report.width()) / 2);
    QCOMPARE(report.y(), main.top() + (main.height() - report.height()) / 2);

    // Over a window low on the screen it stays inside the screen.
    owner.setGeometry(20, 600, 760, 150);
    StandingsReportDialog low(*program_, &owner);
    low.show();
    const QRect available = owner.screen()->availableGeometry();
    QVERIFY(available.contains(low.geometry()));
}

void TestReport::printsItsImageOnOnePage() {
    openClubFile();
    QVERIFY(prepareStandingsReport(*program_));
    StandingsReportDialog report(*program_);
    report.show();
    WindowPrinter::setPdfOutput(pdfPath("image.pdf"));
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QVERIFY(QFileInfo(pdfPath("image.pdf")).size() > 1000);
    QCOMPARE(pageCount(pdfText(pdfPath("image.pdf"))), 1);
}

void TestReport::printsTheTableOnOneA4PageForFortyPlayers() {
    openThreeMeetings(20, 20, 0, [](MeetingBuilder& m, int k) {
        // Each player plays twice with different partners; nobody loses
        // every game, so all forty are ranked.
        const auto wrap = [](int slot) { return (slot - 1) % 20 + 1; };
        for (int i = 1; i < 20; i += 2) {
            m.twoTeam(i, i + 1, i, i + 1, 6, (i + k) % 6);
            m.twoTeam(i, wrap(i + 2), wrap(i + 1), wrap(i + 3), (i + k) % 5 + 1, 6);
        }
    });
    QVERIFY(prepareStandingsReport(*program_));
    const ReportTable table = reportTable(program_->state, ReportKind::Overall);
    QCOMPARE(table.members.size(), std::size_t{40});

    StandingsReportDialog report(*program_);
    WindowPrinter::setPdfOutput(pdfPath("table.pdf"));
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("CmdTablePrint")),
                      Qt::LeftButton);
    const QString text = pdfText(pdfPath("table.pdf"));
    QCOMPARE(pageCount(text), 1);
    QVERIFY2(text.contains(QStringLiteral("☆ 総合成績 ☆")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("ﾌｧｲﾙ: club.rly　開催回数: 3回")) ||
            text.contains(QStringLiteral("開催回数: 3回")));
    for (const char* heading : {"順位", "試合数", "引分", "略称", "チーム", "総試合数"}) {
        QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);
    }
    // Every member's line: rank, the figures and the name, in order.
    qsizetype from = 0;
    for (const ReportTable::Row& row : table.members) {
        const QString pattern =
            QStringLiteral("\\b%1\\s+%2\\s+%3\\s+%4\\s+%5\\s+%6\\s+%7\\s+%8")
                .arg(q(row[0]), q(row[1]), q(row[2]), q(row[3]), q(row[4]), q(row[5]), q(row[6]),
                     QRegularExpression::escape(q(row[7])));
        const QRegularExpressionMatch found = QRegularExpression(pattern).match(text, from);
        QVERIFY2(found.hasMatch(), qPrintable(pattern));
        from = found.capturedEnd();
    }
    QVERIFY(text.contains(QStringLiteral("東テニス会")));
    QVERIFY(text.contains(QStringLiteral("西テニス会")));
}

void TestReport::savesTheShownKindAsCsv() {
    openClubFile();
    QVERIFY(prepareStandingsReport(*program_));
    StandingsReportDialog report(*program_);
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    const QString path = dir_->filePath(QStringLiteral("女性.csv"));
    platform_->setNextFileName(path.toStdU16String());
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("CmdCsv")), Qt::LeftButton);
    QCOMPARE(platform_->suggestedNames(), std::vector<std::u16string>{u"club_女性成績.csv"});
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const std::string expected = reportCsv(reportTable(program_->state, ReportKind::Women));
    QCOMPARE(bytes, QByteArray::fromStdString(expected));
    QVERIFY(bytes.contains("☆ 女性成績 ☆"));
}

void TestReport::csvDialogOffersTheNameAndAddsTheExtension() {
    QtPlatform platform(dir_->path());
    QCOMPARE(QtPlatform::dialogFilter(kCsvFileFilter),
             QStringLiteral("CSV ﾌｧｲﾙ (*.csv);;全ての ﾌｧｲﾙ (*.*)"));
    QString offered;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        offered = dialog->selectedFiles().value(0);
        dialog->selectFile(QStringLiteral("成績"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const QString chosen =
        QString::fromStdU16String(platform.chooseCsvSaveFile(u"club_総合成績.csv"));
    QCOMPARE(offered, dir_->filePath(QStringLiteral("club_総合成績.csv")));
    QCOMPARE(chosen, dir_->filePath(QStringLiteral("成績.csv")));

    onModal([](QWidget*) {});
    QVERIFY(platform.chooseCsvSaveFile(u"x.csv").empty());
}

void TestReport::mainWindowOpensTheReportOnTheSums() {
    MainWindow window(*program_);
    openClubFile();
    window.render();
    const ResultTableArray current = program_->state.resultTable;
    QString seen;
    QStringList lines;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        seen = modal->objectName();
        if (auto* list = modal->findChild<QListWidget*>(QStringLiteral("List1"))) {
            for (int row = 0; row < list->count(); ++row) {
                lines << list->item(row)->text();
            }
        }
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Command4")),
                          Qt::LeftButton);
    });
    window.findChild<QAction*>(QStringLiteral("mnpoint"))->trigger();
    QCOMPARE(seen, QStringLiteral("Form11"));
    QVERIFY(lines.size() > 10);
    QCOMPARE(program_->state.resultTable, current);
    QCOMPARE(program_->state.viewState, ViewState::PairingTable);

    // Without a file, only the message.
    program_->state.openName.clear();
    platform_->clear();
    window.findChild<QAction*>(QStringLiteral("mnpoint"))->trigger();
    QCOMPARE(platform_->messages().size(), std::size_t{1});
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestReport)
#include "TestReport.moc"
