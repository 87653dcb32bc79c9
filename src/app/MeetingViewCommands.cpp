#include "app/MeetingViewCommands.h"

#include "app/Program.h"
#include "matching/PairingTable.h"
#include "platform/Platform.h"
#include "results/TotalsView.h"

void TaisenDsp(Program& program) {
    TaisenDsp(program.state, program.view, program.display.displayModeNumber());
}

bool Command1(Program& program) {
    MeetingState& state = program.state;
    if (state.ViewedMeeting > 0 || state.MeetingCount < 2) {
        program.platform.beep();
        return false;
    }
    return Command1_sub(state, program.meetingFile, program.platform, program.view);
}

bool Command2(Program& program) {
    MeetingState& state = program.state;
    const std::int16_t shown = state.ViewedMeeting;
    if (shown == 0) {
        if (state.MeetingCount <= 1) {
            program.platform.beep();
            return false;
        }
        state.ViewedMeeting = state.MeetingCount;
        SaveSnapshot(state);
        state.clearPicks();
    }
    if (state.ViewedMeeting <= 1) {
        program.platform.beep();
        return false;
    }
    --state.ViewedMeeting;
    const bool read = program.meetingFile.ReadMeeting(state.ViewedMeeting);
    if (!read) {
        // The state still holds the meeting shown before; the number must
        // say so, or a correction would be saved into the wrong record.
        state.ViewedMeeting = shown;
    }
    TaisenDsp(program);
    return read;
}

void Command3(Program& program) {
    MeetingState& state = program.state;
    if (state.ViewedMeeting > 0) {
        state.ViewedMeeting = 0;
        RestoreSnapshot(state);
    }
    TaisenDsp(program);
}

bool prepareStandingsReport(Program& program) {
    MeetingState& state = program.state;
    if (state.OpenName.empty()) {
        program.platform.showMessage(
            u"ﾌｧｲﾙ名称が指定されていません。 「新規」、または「開く」の後に行って下さい。",
            kAppTitle);
        return false;
    }
    // The sums start from the meeting in memory; while an earlier meeting is
    // shown that would count it twice and leave the current one out.
    if (state.ViewedMeeting > 0) {
        program.platform.beep();
        return false;
    }
    state.TotalsBusy = 0;
    Command1_sub(state, program.meetingFile, program.platform, program.view);
    return state.TotalsBusy == 0;
}
