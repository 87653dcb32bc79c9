// Opens the input as a meeting data file, then reads every meeting it claims
// as the view of an earlier meeting does.
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("club.rly", data, size);
    ScriptedPlatform platform;
    const FixedClock clock(std::tm{});
    MemorySettingsStore settings;
    Program program(platform, clock, settings, fuzzFolder());
    resetMeeting(program.state, ResetTarget::StartUp);
    if (openMeetingFile(program, u"club.rly")) {
        for (int n = 1; n <= program.state.meetingCount; ++n) {
            program.state.viewedMeeting = static_cast<std::int16_t>(n);
            readMeeting(program, n);
        }
    }
    return 0;
}
