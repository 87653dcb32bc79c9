#include "app/MeetingViewCommands.h"

#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "matching/PairingTable.h"
#include "platform/Platform.h"
#include "results/TotalsView.h"

void buildPairingTable(Program& program) {
    buildPairingTable(program.state, program.view, program.display.displayModeNumber());
}

bool switchToTotals(Program& program) {
    MeetingState& state = program.state;
    if (state.viewedMeeting > 0 || state.meetingCount < 2) {
        program.platform.beep();
        return false;
    }
    return showTotals(state, program.meetingFile, program.platform, program.view);
}

bool showPreviousMeeting(Program& program) {
    MeetingState& state = program.state;
    const std::int16_t shown = state.viewedMeeting;
    if (shown == 0) {
        if (state.meetingCount <= 1) {
            program.platform.beep();
            return false;
        }
        state.viewedMeeting = state.meetingCount;
        saveSnapshot(state);
        state.clearPicks();
    }
    if (state.viewedMeeting <= 1) {
        program.platform.beep();
        return false;
    }
    --state.viewedMeeting;
    const bool read = readMeeting(program, state.viewedMeeting);
    if (!read) {
        // The state still holds the meeting shown before; the number must
        // say so, or a correction would be saved into the wrong record.
        state.viewedMeeting = shown;
    }
    buildPairingTable(program);
    return read;
}

void showCurrentMeeting(Program& program) {
    MeetingState& state = program.state;
    if (state.viewedMeeting > 0) {
        state.viewedMeeting = 0;
        restoreSnapshot(state);
    }
    buildPairingTable(program);
}

bool prepareStandingsReport(Program& program) {
    MeetingState& state = program.state;
    if (state.openName.empty()) {
        program.platform.showMessage(
            u"ﾌｧｲﾙ名称が指定されていません。 「新規」、または「開く」の後に行って下さい。",
            kAppTitle);
        return false;
    }
    // The sums start from the meeting in memory; while an earlier meeting is
    // shown that would count it twice and leave the current one out.
    if (state.viewedMeeting > 0) {
        program.platform.beep();
        return false;
    }
    state.totalsBusy = 0;
    showTotals(state, program.meetingFile, program.platform, program.view);
    return state.totalsBusy == 0;
}
