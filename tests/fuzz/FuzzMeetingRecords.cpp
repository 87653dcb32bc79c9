// Reads every record of the input as a meeting data file without opening it
// first, as the totals over all meetings read them, and unpacks each.
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/Program.h"
#include "storage/MeetingPacking.h"
#include "storage/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("club.rly", data, size);
    ScriptedPlatform platform;
    const FixedClock clock(std::tm{});
    MemorySettingsStore settings;
    Program program(platform, clock, settings, fuzzFolder());
    resetMeeting(program.state, ResetTarget::StartUp);
    program.state.currentPath = u"club.rly";
    MeetingRecord record;
    const int records = program.meetingFile.recordsInFile();
    for (int n = 0; n <= records + 1; ++n) {
        if (program.meetingFile.readRecord(n, record)) {
            unpackMeeting(record, program.state);
        }
    }
    return 0;
}
