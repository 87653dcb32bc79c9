// Opens the input as a meeting data file and sums all its meetings as
// "合計切替" does; then again with the meeting count record 1 claims, as if
// the file had lost its tail after it was opened.
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "results/TotalsView.h"
#include "storage/MeetingPacking.h"
#include "storage/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("club.rly", data, size);
    ScriptedPlatform platform;
    const FixedClock clock(std::tm{});
    MemorySettingsStore settings;
    Program program(platform, clock, settings, fuzzFolder());
    MeetingState& state = program.state;
    resetMeeting(state, ResetTarget::StartUp);
    if (!openMeetingFile(program, u"club.rly")) {
        return 0;
    }
    showTotals(state, program.meetingFile, platform, program.view);
    MeetingRecord first;
    if (program.meetingFile.readRecord(1, first)) {
        state.viewState = ViewState::PairingTable;
        state.meetingCount = first.count();
        showTotals(state, program.meetingFile, platform, program.view);
    }
    return 0;
}
