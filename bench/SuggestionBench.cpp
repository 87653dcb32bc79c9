// Timings of one next-match suggestion on a full two-team night, with the
// season history of 500 meetings read once beforehand.
#include "state/MeetingState.h"
#include "storage/MeetingPacking.h"
#include "storage/MeetingRecord.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/SeasonHistory.h"
#include "suggestions/SuggestionEngine.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kMeetings = 500;
constexpr int kTeamSize = 20;

std::unique_ptr<MeetingState> freshMeeting() {
    auto state = std::make_unique<MeetingState>();
    resetMeeting(*state, ResetTarget::NewMeeting);
    state->teamSize = {kTeamSize, kTeamSize, 0};
    state->meetingCount = kMeetings + 1;
    state->currentPath = u"season.rly";
    return state;
}

// Earlier meeting n: ten two-team matches, partners and scores varying by n.
std::unique_ptr<MeetingState> earlierMeeting(int n) {
    auto state = freshMeeting();
    for (int k = 0; k < 10; ++k) {
        for (int team = 0; team < 2; ++team) {
            const int a = 1 + (k * 2 + n) % kTeamSize;
            const int b = 1 + (k * 2 + 1 + n * (team + 3)) % kTeamSize;
            if (a == b || state->pairState[team][a][b] == PairFinished) {
                continue;
            }
            const int code = team == 0 ? 6000 + k % 5 : (k % 5) * 1000 + 6;
            state->resultTable[team][a][b] = code;
            state->resultTable[team][b][a] = code;
            state->setPair(team, a, b, PairFinished);
        }
    }
    return state;
}

// Tonight: some pairs finished, `running` matches on court.
std::unique_ptr<MeetingState> tonight(int running) {
    auto state = freshMeeting();
    for (int team = 0; team < 2; ++team) {
        for (int a = 1; a <= kTeamSize; a += 4) {
            state->resultTable[team][a][a + 1] = 6003;
            state->resultTable[team][a + 1][a] = 6003;
            state->setPair(team, a, a + 1, PairFinished);
        }
    }
    state->runningCount = static_cast<std::int16_t>(running);
    for (int k = 1; k <= running; ++k) {
        for (int side = 0; side < 2; ++side) {
            state->slotTeam[side][k] = static_cast<std::int16_t>(side);
            state->slotMember1[side][k] = static_cast<std::int16_t>(2 * k);
            state->slotMember2[side][k] = static_cast<std::int16_t>(2 * k - 1);
            state->setPair(side, 2 * k, 2 * k - 1, PairRunning);
        }
    }
    return state;
}

// The 500 earlier meetings as a data file in a fresh temporary folder.
std::filesystem::path seasonFile() {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("rallynote-suggest-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "season.rly";
    std::ofstream out(file, std::ios::binary);
    for (int n = 1; n <= kMeetings; ++n) {
        MeetingRecord record;
        packMeeting(*earlierMeeting(n), record);
        if (n == 1) {
            record.setCount(kMeetings + 1);
        }
        out.write(reinterpret_cast<const char*>(record.bytes.data()), MeetingRecord::kSize);
    }
    return file;
}

const SeasonHistory& season() {
    static const SeasonHistory history = [] {
        const auto file = seasonFile();
        SeasonHistory read = readSeasonHistory(file, kMeetings + 1);
        std::filesystem::remove_all(file.parent_path());
        return read;
    }();
    return history;
}

void suggestOnce(benchmark::State& bench, int running) {
    const auto meeting = tonight(running);
    const SeasonHistory& history = season();
    MatchTimes times;
    times.recordStart(*meeting, 0);
    for (auto _ : bench) {
        auto best = suggestMatches({*meeting, history, &times, 1200, 7}, 3);
        benchmark::DoNotOptimize(best);
    }
}

// Every member free: the most candidates (190 × 190 pairings less the finished).
void BM_SuggestAllFree(benchmark::State& bench) {
    suggestOnce(bench, 0);
}
BENCHMARK(BM_SuggestAllFree)->Unit(benchmark::kMillisecond);

// Ten courts: nine running, the tenth to fill.
void BM_SuggestNineRunning(benchmark::State& bench) {
    suggestOnce(bench, 9);
}
BENCHMARK(BM_SuggestNineRunning)->Unit(benchmark::kMillisecond);

// The one read of the history when a file opens or a meeting is completed.
void BM_ReadSeasonHistory(benchmark::State& bench) {
    const auto file = seasonFile();
    for (auto _ : bench) {
        auto history = readSeasonHistory(file, kMeetings + 1);
        benchmark::DoNotOptimize(history);
    }
    std::filesystem::remove_all(file.parent_path());
}
BENCHMARK(BM_ReadSeasonHistory)->Unit(benchmark::kMillisecond);

} // namespace
