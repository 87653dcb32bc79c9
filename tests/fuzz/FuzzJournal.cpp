// Puts the input beside a data file of three meetings as its journal, as a
// crash may leave one, then opens the file (which finishes the save a
// complete journal records) and saves into it (which clears or overwrites
// the journal).
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/MeetingPacking.h"
#include "storage/SettingsStore.h"

#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("club.rly.journal", data, size);
    {
        MeetingState meeting;
        resetMeeting(meeting, ResetTarget::NewMeeting);
        meeting.teamSize = {4, 4, 0};
        MeetingRecord record;
        packMeeting(meeting, record);
        std::ofstream out(fuzzFolder() / "club.rly", std::ios::binary);
        for (int n = 1; n <= 3; ++n) {
            record.setCount(static_cast<std::int16_t>(n == 1 ? 3 : 0));
            out.write(reinterpret_cast<const char*>(record.bytes.data()),
                      static_cast<std::streamsize>(record.bytes.size()));
        }
    }
    ScriptedPlatform platform;
    const FixedClock clock(std::tm{});
    MemorySettingsStore settings;
    Program program(platform, clock, settings, fuzzFolder());
    resetMeeting(program.state, ResetTarget::StartUp);
    if (openMeetingFile(program, u"club.rly")) {
        program.state.resultTable[0][1][2] = 6004;
        saveMeeting(program, SaveTarget::Meeting);
    }
    return 0;
}
