// Timings of the redraw every action ends with and of the totals over all
// meetings, against a plain sequential read of the same data file.
#include "ScriptedPlatform.h"
#include "matching/MainView.h"
#include "matching/PairingTable.h"
#include "results/TotalsView.h"
#include "state/MeetingState.h"
#include "storage/MeetingFile.h"
#include "storage/MeetingRecord.h"
#include "storage/RecentFiles.h"
#include "text/Utf8.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kMeetings = 500;

// A full two-team meeting: 20 against 20, every pair of each team has played
// once, with scores that vary, and two matches running.
std::unique_ptr<MeetingState> fullMeeting() {
    auto state = std::make_unique<MeetingState>();
    resetMeeting(*state, ResetTarget::NewMeeting);
    state->teamSize = {20, 20, 0};
    state->meetingCount = 1;
    for (int team = 0; team < 2; ++team) {
        for (int a = 1; a <= 20; ++a) {
            state->memberStatus[team][a] = static_cast<std::int16_t>(a % 2);
            for (int b = a + 1; b <= 20; ++b) {
                if ((a + b) % 7 == 0) {
                    continue; // some pairs are still open
                }
                const int won = (a * b) % 7;
                const int lost = (a + b) % 7;
                state->resultTable[team][a][b] = won * 1000 + lost;
                state->resultTable[team][b][a] = won * 1000 + lost;
                state->setPair(team, a, b, PairFinished);
            }
        }
    }
    state->runningCount = 2;
    for (int k = 1; k <= 2; ++k) {
        for (int side = 0; side < 2; ++side) {
            state->slotTeam[side][k] = static_cast<std::int16_t>(side);
            state->slotMember1[side][k] = static_cast<std::int16_t>(2 * k + 1);
            state->slotMember2[side][k] = static_cast<std::int16_t>(7 * k);
            state->setPair(side, 2 * k + 1, 7 * k, PairRunning);
        }
    }
    return state;
}

// A data file of 500 full meetings in a fresh temporary folder.
class MeetingFileOnDisk {
public:
    MeetingFileOnDisk() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("rallynote-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        path_ = folder_ / "club.rly";
        state_ = fullMeeting();
        MainView view;
        buildPairingTable(*state_, view, 1);
        state_->currentPath = fromUtf8(path_.string());
        MeetingFile file(*state_, recent_, folder_);
        for (int n = 1; n <= kMeetings; ++n) {
            state_->meetingCount = static_cast<std::int16_t>(n);
            static_cast<void>(
                file.saveMeeting(n == 1 ? SaveTarget::Meeting : SaveTarget::MeetingAndCount));
        }
    }
    ~MeetingFileOnDisk() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    MeetingFileOnDisk(const MeetingFileOnDisk&) = delete;
    MeetingFileOnDisk& operator=(const MeetingFileOnDisk&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& path() const { return path_; }
    const MeetingState& current() const { return *state_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::unique_ptr<MeetingState> state_;
    RecentFiles recent_;
};

const MeetingFileOnDisk& dataFile() {
    static const MeetingFileOnDisk file;
    return file;
}

void BuildPairingTableFullMeeting(benchmark::State& run) {
    const auto state = fullMeeting();
    MainView view;
    for (auto _ : run) {
        buildPairingTable(*state, view, 1);
        benchmark::DoNotOptimize(view.grid.cells.data());
    }
}
BENCHMARK(BuildPairingTableFullMeeting)->Unit(benchmark::kMicrosecond);

void TotalsViewOver500Meetings(benchmark::State& run) {
    const MeetingFileOnDisk& disk = dataFile();
    auto state = std::make_unique<MeetingState>(disk.current());
    ScriptedPlatform platform;
    RecentFiles recent;
    MeetingFile file(*state, recent, disk.folder());
    MainView view;
    buildPairingTable(*state, view, 1);
    for (auto _ : run) {
        run.PauseTiming();
        *state = disk.current();
        state->viewState = ViewState::PairingTable;
        run.ResumeTiming();
        if (!showTotals(*state, file, platform, view)) {
            run.SkipWithError("the totals view did not complete");
            break;
        }
    }
}
BENCHMARK(TotalsViewOver500Meetings)->Unit(benchmark::kMillisecond);

void PlainReadOf500Meetings(benchmark::State& run) {
    const MeetingFileOnDisk& disk = dataFile();
    MeetingRecord record;
    for (auto _ : run) {
        std::ifstream in(disk.path(), std::ios::binary);
        for (int n = 1; n <= kMeetings; ++n) {
            in.read(reinterpret_cast<char*>(record.bytes.data()), MeetingRecord::kSize);
            benchmark::DoNotOptimize(record.bytes.data());
        }
    }
}
BENCHMARK(PlainReadOf500Meetings)->Unit(benchmark::kMillisecond);

} // namespace
