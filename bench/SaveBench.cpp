// The cost of one save of a meeting, with its journal and syncs, on data
// files of 20 and 500 meetings in the system's temporary folder (a real
// disk: the time is mostly waiting for fsync, so wall time is measured).
#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "storage/MeetingPacking.h"
#include "storage/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

// A folder holding "club.rly" with `meetings` meetings, removed afterwards.
class DataFolder {
public:
    explicit DataFolder(int meetings) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "rallynote-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path = pattern;
        MeetingState meeting;
        resetMeeting(meeting, ResetTarget::NewMeeting);
        meeting.teamSize = {20, 20, 0};
        MeetingRecord record;
        packMeeting(meeting, record);
        std::ofstream out(path / "club.rly", std::ios::binary);
        for (int n = 1; n <= meetings; ++n) {
            record.setCount(static_cast<std::int16_t>(n == 1 ? meetings : 0));
            out.write(reinterpret_cast<const char*>(record.bytes.data()),
                      static_cast<std::streamsize>(record.bytes.size()));
        }
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    std::filesystem::path path;
};

struct OpenProgram {
    explicit OpenProgram(const DataFolder& folder)
        : program(platform, clock, settings, folder.path) {
        if (!openMeetingFile(program, u"club.rly")) {
            throw std::runtime_error("cannot open the data file");
        }
    }
    ScriptedPlatform platform;
    FixedClock clock{std::tm{}};
    MemorySettingsStore settings;
    Program program;
};

// A result entered: the current meeting rewritten in place.
void saveMeeting(benchmark::State& run) {
    const DataFolder folder(static_cast<int>(run.range(0)));
    OpenProgram open(folder);
    std::int32_t result = 0;
    for (auto _ : run) {
        open.program.state.resultTable[0][1][2] = 6000 + result++ % 7;
        if (!saveMeeting(open.program, SaveTarget::Meeting)) {
            run.SkipWithError("the save failed");
            break;
        }
    }
}

// A meeting completed: a new record at the end and record 1's count.
void CompleteMeeting(benchmark::State& run) {
    const DataFolder folder(static_cast<int>(run.range(0)));
    OpenProgram open(folder);
    MeetingState& state = open.program.state;
    for (auto _ : run) {
        resetMeeting(state, ResetTarget::MatchData);
        ++state.meetingCount;
        if (state.meetingCount > 30000 || !saveMeeting(open.program, SaveTarget::MeetingAndCount)) {
            run.SkipWithError("the save failed");
            break;
        }
    }
}

} // namespace

BENCHMARK(saveMeeting)->Arg(20)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CompleteMeeting)->Arg(20)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();
