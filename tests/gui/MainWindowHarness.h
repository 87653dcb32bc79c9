#pragma once

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/Program.h"
#include "app/SupportFiles.h"
#include "storage/SettingsStore.h"
#include "ui/main/MainWindow.h"

#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

// The real main window on a fresh working folder that holds the help pages
// and the default pictures, as the first start fills it, with a scripted
// platform, a fixed clock and settings kept in memory. A window test makes
// one in init() and drops it in cleanup(); members are destroyed window
// first, folder last.
struct MainWindowHarness {
    // `prepare` writes the settings the window is to start with.
    explicit MainWindowHarness(const std::function<void(SettingsStore&)>& prepare = {}) {
        const std::filesystem::path workDir = work.path().toStdU16String();
        const std::filesystem::path source = RALLYNOTE_SOURCE_DIR;
        copyMissingSupportFiles(workDir, {{source / "html", source / "resources"}});
        if (prepare) {
            prepare(settings);
        }
        program = std::make_unique<Program>(platform, clock, settings, workDir);
        window = std::make_unique<MainWindow>(*program);
    }

    // Shows the window; false when the folder could not be made or the
    // window was never exposed.
    bool show() {
        if (!work.isValid()) {
            return false;
        }
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    QTemporaryDir work;
    ScriptedPlatform platform;
    FixedClock clock{std::tm{}};
    MemorySettingsStore settings;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;
};
