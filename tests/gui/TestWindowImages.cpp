#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/Program.h"
#include "app/Roster.h"
#include "platform/qt/WindowPrinter.h"
#include "storage/SettingsStore.h"
#include "ui/dialogs/LogViewerDialog.h"
#include "ui/dialogs/MemberMasterDialog.h"
#include "ui/dialogs/RosterDialog.h"
#include "ui/main/MainWindow.h"

#include <QAction>

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// Every window with a "印字" button prints its own image through the one
// printer: one page, the whole image, scaled to fit the page with its
// proportions kept.
class TestWindowImages : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        program_ = std::make_unique<Program>(platform_, clock_, settings_,
                                             std::filesystem::path(dir_.path().toStdString()));
        WindowPrinter::setPdfOutput(dir_.filePath(QStringLiteral("out.pdf")));
        QFile::remove(dir_.filePath(QStringLiteral("out.pdf")));
    }
    void cleanup() {
        WindowPrinter::setPdfOutput({});
        program_.reset();
    }

    void mainWindow() {
        MainWindow window(*program_);
        QAction* print = window.findChild<QAction*>(QStringLiteral("mnprn"));
        QVERIFY(print);
        QCOMPARE(print->text(), QStringLiteral("印字(&P)"));
        checkPrint(window, [print] { print->trigger(); });
    }
    void logViewer() {
        LogViewerDialog viewer(*program_);
        checkPrint(viewer, button(viewer, "Command2"));
    }
    void masterEditor() {
        MemberMasterDialog editor(*program_, nullptr);
        checkPrint(editor, button(editor, "CmdPrint"));
    }
    void roster() {
        Roster roster(*program_);
        RosterDialog dialog(*program_, roster, nullptr);
        checkPrint(dialog, button(dialog, "Command1"));
    }

private:
    // A click on the window's "印字" button.
    static std::function<void()> button(QWidget& window, const char* name) {
        auto* print = window.findChild<QPushButton*>(QString::fromLatin1(name));
        if (print == nullptr || print->text() != QStringLiteral("印字")) {
            return [] { QFAIL("no print button"); };
        }
        return [print] { QTest::mouseClick(print, Qt::LeftButton); };
    }

    void checkPrint(QWidget& window, const std::function<void()>& print) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        print();
        const QString pdf = dir_.filePath(QStringLiteral("out.pdf"));

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(info);
        QVERIFY(page.hasMatch());
        const double pageWidth = page.captured(1).toDouble();
        const double pageHeight = page.captured(2).toDouble();

        // One image of the window's size at the same resolution both ways.
        const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                      .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        const QStringList image = lines[2].simplified().split(u' ');
        const QSize grabbed = window.grab().size();
        QCOMPARE(image[3].toInt(), grabbed.width());
        QCOMPARE(image[4].toInt(), grabbed.height());
        const double xPpi = image[12].toDouble();
        const double yPpi = image[13].toDouble();
        QVERIFY2(qAbs(xPpi - yPpi) <= 1, qPrintable(lines[2]));
        const double width = grabbed.width() * 72.0 / xPpi;
        const double height = grabbed.height() * 72.0 / yPpi;
        QVERIFY(width <= pageWidth && height <= pageHeight);
        QVERIFY2(width > 0.8 * pageWidth || height > 0.8 * pageHeight, qPrintable(info));
    }

    QTemporaryDir dir_;
    ScriptedPlatform platform_;
    FixedClock clock_{std::tm{}};
    MemorySettingsStore settings_;
    std::unique_ptr<Program> program_;
};

QTEST_MAIN(TestWindowImages)
#include "TestWindowImages.moc"
