#include "matching/MatchStart.h"

#include "platform/Platform.h"
#include "state/MeetingState.h"

#include <cstdint>

bool startMatch(MeetingState& state, Platform& platform) {
    if (state.RunningCount >= kMaxRunning) {
        platform.beep();
        state.clearPicks();
        return false;
    }
    const auto slot = static_cast<std::int16_t>(state.RunningCount + 1);
    state.RunningCount = slot;
    for (int side = 0; side < 2; ++side) {
        state.SlotTeam[side][slot] = state.PickTeam[side];
        state.SlotMember1[side][slot] = state.PickMember1[side];
        state.SlotMember2[side][slot] = state.PickMember2[side];
    }
    for (int side = 0; side < 2; ++side) {
        state.setPair(state.PickTeam[side], state.PickMember1[side], state.PickMember2[side],
                      PairRunning);
    }
    state.clearPicks();
    return true;
}

void cancelPairing(MeetingState& state) {
    for (int side = 0; side < 2; ++side) {
        state.PickMember1[side] = 0;
        state.PickMember2[side] = 0;
    }
}
