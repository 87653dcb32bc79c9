#include "matching/PairPriorities.h"

#include "state/MeetingState.h"
#include "state/StateBounds.h"

#include <array>
#include <cstdint>

namespace {

// Stands for "no count": a played count of 999 or more never qualifies.
constexpr std::int32_t kNoCount = 999;

using PairMatrix = PairStateArray::value_type;

// Marks row and column of a member in a running match as busy, unless the
// pair is resting or permanent.
void markBusy(PairMatrix& pairs, int member, int size) {
    if (member < 1 || member > size) {
        return;
    }
    for (int j = 1; j <= size; ++j) {
        if (pairs[member][j] < PairResting) {
            pairs[member][j] = PairSecondClassBusy;
        }
        if (pairs[j][member] < PairResting) {
            pairs[j][member] = PairSecondClassBusy;
        }
    }
}

void promote(std::int16_t& code) {
    code = code == PairSecondClassBusy ? PairFirstClassBusy : PairFirstClass;
}

} // namespace

void markPriorities(MeetingState& state, int team) {
    team = boundedTeam(team);
    const int size = boundedTeamSize(state, team);
    auto& pairs = state.pairState[team];

    for (int i = 1; i <= size; ++i) {
        for (int j = 1; j <= size; ++j) {
            if (pairs[i][j] < PairFinished) {
                pairs[i][j] = PairSecondClass;
            }
        }
    }

    for (int a = 1; a <= size; ++a) {
        if (!state.isResting(team, a)) {
            continue;
        }
        for (int j = 1; j <= size; ++j) {
            if (pairs[a][j] < PairFinished) {
                pairs[a][j] = PairResting;
            }
            if (pairs[j][a] < PairFinished) {
                pairs[j][a] = PairResting;
            }
        }
    }

    // Every side of a running slot that belongs to this team is busy: in the
    // one-team methods both sides of a match are of the shown team.
    const int running = boundedRunningCount(state);
    for (int k = 1; k <= running; ++k) {
        for (int side = 0; side < 2; ++side) {
            if (state.slotTeam[side][k] != team) {
                continue;
            }
            markBusy(pairs, state.slotMember1[side][k], size);
            markBusy(pairs, state.slotMember2[side][k], size);
        }
    }

    const auto& results = state.resultTable[team];
    std::int32_t lowest = kNoCount;
    for (int b = 1; b <= size; ++b) {
        if (!state.isResting(team, b) && results[b][PlayedCount] < lowest) {
            lowest = results[b][PlayedCount];
        }
    }
    std::int32_t second = kNoCount;
    for (int b = 1; b <= size; ++b) {
        const std::int32_t played = results[b][PlayedCount];
        if (!state.isResting(team, b) && played < second && played > lowest) {
            second = played;
        }
    }

    std::array<int, kSlots> priority{};
    for (int b = 1; b <= size; ++b) {
        if (state.isResting(team, b)) {
            continue;
        }
        const std::int32_t played = results[b][PlayedCount];
        if (played == lowest && lowest < kNoCount) {
            priority[b] = 1;
        } else if (played == second && second < kNoCount) {
            priority[b] = 2;
        }
    }

    int promoted = 0;
    for (int i = 1; i <= size; ++i) {
        for (int j = 1; j <= size; ++j) {
            if (i != j && priority[i] == 1 && priority[j] == 1 && pairs[i][j] < PairResting) {
                promote(pairs[i][j]);
                ++promoted;
            }
        }
    }
    if (promoted > 0) {
        return;
    }
    for (int i = 1; i <= size; ++i) {
        for (int j = 1; j <= size; ++j) {
            const bool leastWithSecond =
                (priority[i] == 1 && priority[j] == 2) || (priority[i] == 2 && priority[j] == 1);
            if (i != j && leastWithSecond && pairs[i][j] < PairResting) {
                promote(pairs[i][j]);
            }
        }
    }
}
