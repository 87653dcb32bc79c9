#include "FixedClock.h"
#include "MeetingBuilder.h"
#include "ScriptedPlatform.h"
#include "app/AttendanceCommands.h"
#include "app/CheckIn.h"
#include "app/MasterFileCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/MeetingViewCommands.h"
#include "app/Program.h"
#include "app/RegisterLink.h"
#include "app/ResultEntry.h"
#include "app/Roster.h"
#include "app/SuggestedPicks.h"
#include "app/SupportFiles.h"
#include "matching/MatchStart.h"
#include "matching/RunningList.h"
#include "platform/Clock.h"
#include "storage/SettingsStore.h"
#include "suggestions/MatchTimes.h"
#include "ui/board/CourtBoardWindow.h"
#include "ui/dialogs/MemberMasterDialog.h"
#include "ui/dialogs/PairingConfirmationDialog.h"
#include "ui/dialogs/ResultEntryDialog.h"
#include "ui/dialogs/RosterDialog.h"
#include "ui/dialogs/RunningMatchesWindow.h"
#include "ui/dialogs/StandingsReportDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/register/AttendanceReportDialog.h"
#include "ui/register/CheckInDialog.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTableWidget>
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

std::tm at(int hour, int minute) {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    return moment;
}

// A club night on the courtside board: a two-team meeting of twenty a team
// where matches start and end through the program's commands at set times.
class BoardNight {
public:
    BoardNight(Program& program, FixedClock& clock, MainWindow& window)
        : program_(program), clock_(clock), window_(window) {}

    // Pair (a1, a2) of team A against (b1, b2) of team B starts at the time.
    void start(int hour, int minute, std::int16_t a1, std::int16_t a2, std::int16_t b1,
               std::int16_t b2) {
        clock_.set(at(hour, minute));
        MeetingState& state = program_.state;
        state.pickTeam = {0, 1, 0};
        state.pickMember1 = {a1, b1, 0};
        state.pickMember2 = {a2, b2, 0};
        startPickedMatch(program_);
        window_.render();
    }

    void result(int hour, int minute, int court, const char16_t* games0, const char16_t* games1) {
        clock_.set(at(hour, minute));
        if (chooseRunningMatch(program_.state, program_.platform, court)) {
            enterResult(program_, games0, games1);
        }
        program_.state.clearPicks();
        window_.render();
    }

private:
    Program& program_;
    FixedClock& clock_;
    MainWindow& window_;
};

// The board with three courts at 1280x720 (high contrast, standings and the
// round timer on) and with ten courts at 1920x1080.
void saveBoards(const QString& folder, const std::filesystem::path& workDir) {
    ScriptedPlatform platform;
    FixedClock clock{at(18, 55)};
    MemorySettingsStore settings;
    Program program(platform, clock, settings, workDir);
    MainWindow window(program);
    MeetingBuilder meeting(20, 20);
    meeting.clubNames().woman(0, 4).woman(0, 17).woman(1, 4).woman(1, 11);
    meeting.resting(0, 20).resting(1, 20);
    meeting.state().meetingTitle = u"水曜ナイター練習会";
    meeting.state().teamNameA = u"青空テニスクラブ";
    meeting.state().teamNameB = u"夕焼けテニス同好会";
    writeMeetingFile(workDir / "board.rly", {&meeting.state()});
    if (!openMeetingFile(program, u"board.rly")) {
        std::cerr << "cannot open the board's meeting\n";
        return;
    }
    window.show();
    BoardNight night(program, clock, window);
    night.start(19, 0, 1, 2, 1, 2);
    night.start(19, 1, 3, 4, 3, 4);
    night.start(19, 2, 5, 6, 5, 6);
    night.result(19, 18, 1, u"6", u"3");
    night.result(19, 21, 1, u"4", u"6");
    night.start(19, 22, 7, 8, 7, 8);
    night.start(19, 25, 9, 10, 9, 10);
    night.result(19, 31, 1, u"6", u"2");
    night.start(19, 32, 4, 17, 4, 11);

    window.findChild<QAction*>(QStringLiteral("mndspBoard"))->trigger();
    CourtBoardWindow* board = window.courtBoard();
    board->findChild<QAction*>(QStringLiteral("mnBoardContrast"))->setChecked(true);
    board->findChild<QAction*>(QStringLiteral("mnBoardStandings"))->setChecked(true);
    clock.set(at(19, 35));
    board->startRound();
    clock.set(at(19, 40));
    board->resize(1280, 720);
    window.render();
    save(*board, folder, "board-3-courts-1280x720");

    // Everybody on court: the two who rested are back.
    program.state.memberStatus[0][20] = 0;
    program.state.memberStatus[1][20] = 0;
    const std::array<std::array<std::int16_t, 4>, 7> more = {{{1, 3, 1, 3},
                                                              {2, 5, 2, 5},
                                                              {6, 11, 6, 12},
                                                              {12, 13, 13, 14},
                                                              {14, 15, 15, 16},
                                                              {16, 18, 17, 18},
                                                              {19, 20, 19, 20}}};
    int minute = 42;
    for (const auto& match : more) {
        night.start(19, minute++, match[0], match[1], match[2], match[3]);
    }
    board->findChild<QAction*>(QStringLiteral("mnBoardContrast"))->setChecked(false);
    clock.set(at(19, 45));
    board->startRound();
    clock.set(at(19, 52));
    board->resize(1920, 1080);
    window.render();
    save(*board, folder, "board-10-courts-1920x1080");
}

// The master holds the roster's members, so that the register knows them
// by their master lines.
void writeMaster(Program& program) {
    MemberMaster& master = program.master;
    const MeetingState& state = program.state;
    int line = 0;
    for (int team = 0; team < 2; ++team) {
        for (int slot = 1; slot <= state.teamSize.at(static_cast<std::size_t>(team)); ++slot) {
            MemberRecord& member = master.members.at(static_cast<std::size_t>(++line));
            member.name = state.memberAbbrev.at(team).at(slot).str();
            member.abbrev = state.memberAbbrev.at(team).at(slot).str();
            member.sex = static_cast<std::int16_t>(state.memberStatus.at(team).at(slot) % 2);
        }
    }
    master.memberCount = static_cast<std::int16_t>(line);
    writeMasterFile(program.platform, master);
}

// Earlier meetings of the season straight into the register: who came, and
// who paid.
void earlierMeetings(Program& program) {
    const std::optional<MeetingRef> tonight = currentMeeting(program.state);
    if (!tonight) {
        return;
    }
    for (int meeting = 1; meeting < tonight->meeting; ++meeting) {
        const MeetingRef earlier{tonight->dataFile, meeting};
        for (int slot = 1; slot <= program.state.teamSize[0]; ++slot) {
            if ((slot * 7 + meeting * 3) % 5 == 0) {
                continue;
            }
            const MemberRef member = memberRefOf(program, 0, slot);
            program.clubRegister.arrive(earlier, member, secondsOf(at(18, 30)));
            program.clubRegister.setPaid(earlier, member, (slot + meeting) % 6 != 0);
        }
    }
}

// Tonight at the desk: most have come, one is on a break, one has gone and
// one leaves at nine; a guest and a trial player, and who has paid.
void checkInTonight(Program& program, FixedClock& clock) {
    CheckIn checkIn(program);
    if (!checkIn.open()) {
        return;
    }
    const int count = static_cast<int>(checkIn.rows().size());
    for (int row = 0; row < count; ++row) {
        if (row % 7 == 5) {
            continue;
        }
        clock.set(at(18, 25 + row % 20));
        checkIn.arrive(row);
        checkIn.setPaid(row, row % 4 != 3);
    }
    checkIn.setType(2, MemberType::Guest);
    checkIn.setType(6, MemberType::Trial);
    clock.set(at(19, 40));
    checkIn.startBreak(3);
    clock.set(at(19, 55));
    checkIn.leave(8);
    checkIn.setLeavesAt(1, 21 * 60);
    clock.set(at(20, 10));
}

} // namespace

// Draws the main window filling the screen, and the windows that show
// members' names, with a meeting of twenty members a team, and saves their
// images into the folder given: confirmation.png, main.png, running.png,
// result.png, roster.png, report.png; then the courtside board of another
// club night: board-3-courts-1280x720.png and board-10-courts-1920x1080.png;
// then the club register's check-in
// and the attendance report of a one-team club night, the fifth meeting of
// its file, and the master editor with the register's fields: checkin.png,
// attendance.png, master.png. The screen and its scaling are the
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

    QTemporaryDir boardDir;
    const std::filesystem::path boardWorkDir = boardDir.path().toStdU16String();
    copyMissingSupportFiles(boardWorkDir,
                            {{std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "html",
                              std::filesystem::path(RALLYNOTE_SOURCE_DIR) / "resources"}});
    saveBoards(folder, boardWorkDir);
    // A club night of one team, the fifth meeting of its data file.
    MeetingBuilder night(14, 0);
    night.clubNames().woman(0, 3).woman(0, 4).woman(0, 8).woman(0, 10).woman(0, 13);
    night.state().matchMethod = MatchMethod::OneTeamDoubles;
    night.state().teamNameA = u"水曜テニス会";
    night.oneTeam(0, 1, 2, 3, 4, 6, 3).oneTeam(0, 5, 6, 7, 8, 4, 6);
    const MeetingState* fifth = &night.state();
    writeMeetingFile(workDir / u"水曜会.rly", {fifth, fifth, fifth, fifth, fifth});
    if (!openMeetingFile(program, u"水曜会.rly")) {
        std::cerr << "cannot open the club night\n";
        return 1;
    }
    writeMaster(program);
    if (!program.clubRegister.isOpen()) {
        openClubRegister(program);
    }
    FeeTable fees;
    fees.fee.at(static_cast<std::size_t>(MemberType::Member)) = 500;
    fees.fee.at(static_cast<std::size_t>(MemberType::Trial)) = 1000;
    fees.fee.at(static_cast<std::size_t>(MemberType::Guest)) = 800;
    CheckIn(program).setFeeTable(fees);
    earlierMeetings(program);
    checkInTonight(program, clock);
    CheckInDialog checkIn(
        program, [&window] { window.render(); }, &window);
    if (checkIn.opened()) {
        save(checkIn, folder, "checkin");
    }
    AttendanceReportDialog attendance(program, currentAttendanceReport(program), &window);
    save(attendance, folder, "attendance");

    // The master editor with the register's fields of a member who has a
    // level and two pair rules.
    MemberMasterDialog master(program, &window);
    master.editor().clickRow(5);
    master.editor().setLevel(3);
    master.editor().addPairRule(1, PairRuleKind::NeverPartner);
    master.editor().addPairRule(7, PairRuleKind::AlwaysPartner);
    emit master.findChild<QTableWidget*>(QStringLiteral("Grid1"))->cellClicked(5, 4);
    save(master, folder, "master");
    return 0;
}
