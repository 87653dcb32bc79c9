#include "FixedClock.h"
#include "MeetingBuilder.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/Roster.h"
#include "app/SupportFiles.h"
#include "matching/MatchStart.h"
#include "matching/RunningList.h"
#include "platform/Clock.h"
#include "storage/SettingsStore.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/dialogs/ResultEntryDialog.h"
#include "ui/dialogs/RosterDialog.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/dialogs/StandingsReportDialog.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>

namespace {

void save(QWidget& window, const QString& folder, const char* name) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::cerr << "not shown: " << name << '\n';
    }
    QTest::qWait(200);
    const QString file = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!window.grab().save(file)) {
        std::cerr << "cannot write " << file.toStdString() << '\n';
    }
}

} // namespace

// Draws the main window filling the screen, and the windows that show
// members' names, with a meeting of twenty members a team, and saves their
// images into the folder given: confirmation.png, main.png, running.png,
// result.png, roster.png, report.png. The screen and its scaling are the
// environment's (xvfb-run -s "-screen 0 1366x768x24", QT_SCALE_FACTOR=2).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: doc_screenshots FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const std::filesystem::path workDir = dir.path().toStdU16String();
    copyMissingSupportFiles(workDir, {{std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "html",
                                       std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "resources"}});
    ScriptedPlatform platform;
    FixedClock clock{std::tm{}};
    MemorySettingsStore settings;
    Program program(platform, clock, settings, workDir);
    MainWindow window(program);

    MeetingBuilder meeting(20, 20);
    meeting.clubNames().woman(0, 4).woman(0, 17).woman(1, 4).woman(1, 11);
    meeting.state().teamNameA = u"青空テニスクラブ";
    meeting.state().teamNameB = u"夕焼けテニス同好会";
    meeting.twoTeam(1, 2, 1, 2, 6, 4).twoTeam(3, 4, 3, 4, 2, 6).twoTeam(5, 6, 5, 6, 6, 3);
    meeting.twoTeam(7, 8, 7, 8, 5, 5).twoTeam(9, 10, 9, 10, 6, 1).twoTeam(11, 12, 11, 12, 4, 6);
    meeting.twoTeam(13, 14, 13, 14, 6, 2).twoTeam(15, 16, 15, 16, 3, 6);
    meeting.twoTeam(1, 17, 2, 20, 6, 4).twoTeam(2, 18, 4, 17, 6, 5);
    writeMeetingFile(workDir / "club.rly", {&meeting.state()});
    if (!openMeetingFile(program, u"club.rly")) {
        std::cerr << "cannot open the meeting\n";
        return 1;
    }
    program.display.displayMode = u"0";
    MeetingState& state = program.state;
    // Three matches started as the confirmation starts them; the first
    // pairing is also shown in the confirmation before it starts.
    const std::array<std::array<std::int16_t, 4>, 3> matches = {
        {{17, 13, 11, 20}, {5, 20, 14, 19}, {7, 12, 2, 17}}};
    for (const auto& match : matches) {
        state.pickTeam = {0, 1, 0};
        state.pickMember1 = {match[0], match[2], 0};
        state.pickMember2 = {match[1], match[3], 0};
        if (match == matches.front()) {
            PairingConfirmationDialog confirmation(program, &window);
            save(confirmation, folder, "confirmation");
        }
        startMatch(state, platform);
    }
    window.layout().selectTeam(program, 0);
    window.setGeometry(window.screen()->availableGeometry());
    save(window, folder, "main");

    RunningMatchesWindow running(program, &window, [] {});
    running.openList();
    save(running, folder, "running");
    running.close();

    if (chooseRunningMatch(state, platform, 1)) {
        ResultEntryDialog result(program, &window);
        save(result, folder, "result");
    }
    state.clearPicks();

    Roster roster(program);
    RosterDialog rosterDialog(program, roster, &window);
    save(rosterDialog, folder, "roster");

    if (prepareStandingsReport(program)) {
        StandingsReportDialog report(program, &window);
        save(report, folder, "report");
    }
    return 0;
}
