#pragma once

#include "state/MeetingState.h"

#include <algorithm>

// Team sizes, team indices and member numbers reach the state from data files
// and may hold anything; every loop over members goes through these so that
// no index ever leaves the arrays.

// The number of members of a team that the arrays can hold: 0..20.
inline int boundedTeamSize(const MeetingState& state, int team) {
    return std::clamp<int>(state.teamSize[team], 0, kMaxTeamSize);
}

// The shown team as an index of team A (0) or team B (1).
inline int boundedTeam(int team) {
    return team == 1 ? 1 : 0;
}

// The number of running slots that hold a match: 0..10.
inline int boundedRunningCount(const MeetingState& state) {
    return std::clamp<int>(state.runningCount, 0, kMaxRunning);
}
