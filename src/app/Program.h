#pragma once

#include "app/MasterLines.h"
#include "matching/MainView.h"
#include "register/ClubRegister.h"
#include "state/MeetingState.h"
#include "storage/ActivityLog.h"
#include "storage/MeetingFile.h"
#include "storage/MemberMaster.h"
#include "storage/RecentFiles.h"
#include "storage/Settings.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/SeasonHistory.h"

#include <filesystem>

class Clock;
class Platform;
class SettingsStore;

// The running program's core: the one meeting state and the services the
// rules work through. The window program owns one; each test makes its own
// on a temporary working folder.
class Program {
public:
    Program(Platform& platform, const Clock& clock, SettingsStore& settings,
            std::filesystem::path workDir);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    MeetingState state;
    Platform& platform;
    const Clock& clock;
    SettingsStore& settings;
    const std::filesystem::path workDir;

    RecentFiles recent;
    DisplaySettings display;
    MeetingFile meetingFile;
    ActivityLog log;
    MemberMaster master;

    // The club register (levels, pair rules, check-ins, fees, the match
    // log); closed when it could not be opened.
    ClubRegister clubRegister;
    // The kinds of register faults told so far in this run (bits by
    // RegisterFault), so each is told once.
    unsigned registerFaultsTold = 0;
    // The master line of a short name, linking roster members to it.
    MasterLines masterLines;

    // This meeting's match times, kept in the register's match log, and the
    // earlier meetings' partners and opponents, for the next-match
    // suggestions.
    MatchTimes matchTimes;
    SeasonHistoryCache seasonHistory;

    // What the main window shows, rebuilt by every redraw.
    MainView view;
};
