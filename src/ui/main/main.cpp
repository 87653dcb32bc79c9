#include "app/Program.h"
#include "app/SupportFiles.h"
#include "app/WorkingFolder.h"
#include "platform/Clock.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSettingsStore.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QtJapanese.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings live under the application key "RLY_TOOL".
    QCoreApplication::setOrganizationName(QStringLiteral("RLY_TOOL"));
    QCoreApplication::setApplicationName(QStringLiteral("RLY_TOOL"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/rallynote.png")));
    loadQtJapanese(app);

    const std::filesystem::path executableDir =
        QCoreApplication::applicationDirPath().toStdU16String();
    const std::filesystem::path workDir = workingFolder(executableDir);
    copyMissingSupportFiles(
        workDir, {{executableDir / "../share/rallynote/html", executableDir / "../share/rallynote"},
                  {RALLYNOTE_SHARE_DIR "/html", RALLYNOTE_SHARE_DIR},
                  {RALLYNOTE_SOURCE_DIR "/html", RALLYNOTE_SOURCE_DIR "/resources"}});

    QtPlatform platform(QString::fromStdU16String(workDir.u16string()));
    SystemClock clock;
    QtSettingsStore settings;
    Program program(platform, clock, settings, workDir);
    MainWindow window(program);
    platform.setParentWindow(&window);
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
