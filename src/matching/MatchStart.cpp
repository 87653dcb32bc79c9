#include "matching/MatchStart.h"

#include "platform/Platform.h"
#include "state/MeetingState.h"

#include <cstdint>

bool startMatch(MeetingState& state, Platform& platform) {
    if (state.runningCount >= kMaxRunning) {
        platform.beep();
        state.clearPicks();
        return false;
    }
    const auto slot = static_cast<std::int16_t>(state.runningCount + 1);
    state.runningCount = slot;
    for (int side = 0; side < 2; ++side) {
        state.slotTeam[side][slot] = state.pickTeam[side];
        state.slotMember1[side][slot] = state.pickMember1[side];
        state.slotMember2[side][slot] = state.pickMember2[side];
    }
    for (int side = 0; side < 2; ++side) {
        state.setPair(state.pickTeam[side], state.pickMember1[side], state.pickMember2[side],
                      PairRunning);
    }
    state.clearPicks();
    return true;
}

void cancelPairing(MeetingState& state) {
    for (int side = 0; side < 2; ++side) {
        state.pickMember1[side] = 0;
        state.pickMember2[side] = 0;
    }
}
