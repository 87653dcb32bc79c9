#include "matching/PairSelection.h"

#include "platform/Platform.h"
#include "state/MeetingState.h"

#include <cstdint>

bool isTwoTeamDoubles(const MeetingState& state) {
    return state.MatchMethod == 0 && state.IntraTeamFlag == 0;
}

bool isPickableCell(const MeetingState& state, int column, int row) {
    const int team = state.CurrentTeam;
    const int size = state.TeamSize.at(team);
    if (column == row || column < 1 || row < 1 || column > size || row > size) {
        return false;
    }
    if (state.ViewedMeeting != 0) {
        return false;
    }
    if (state.PairState[team][column][row] > PairSecondClassBusy) {
        return false;
    }
    return state.MatchMethod == 2 || column > row;
}

PickOutcome selectPair(MeetingState& state, Platform& platform, int column, int row) {
    if (!isPickableCell(state, column, row)) {
        platform.beep();
        return PickOutcome::Refused;
    }
    const auto team = state.CurrentTeam;
    const auto c = static_cast<std::int16_t>(column);
    const auto r = static_cast<std::int16_t>(row);
    if (isTwoTeamDoubles(state)) {
        state.PickTeam[team] = team;
        state.PickMember1[team] = c;
        state.PickMember2[team] = r;
    } else if (state.PickMember1[0] == 0) {
        state.PickTeam[0] = team;
        state.PickMember1[0] = c;
        state.PickMember2[0] = r;
        if (state.MatchMethod == 2) {
            // One cell is the whole singles match: c against r, seen from each side.
            state.PickTeam[0] = 0;
            state.PickTeam[1] = 0;
            state.PickMember1[1] = r;
            state.PickMember2[1] = c;
        }
    } else if (c == state.PickMember1[0] || c == state.PickMember2[0] ||
               r == state.PickMember1[0] || r == state.PickMember2[0]) {
        // The two pairs share a member: the selection starts again.
        state.clearPicks();
    } else {
        state.PickTeam[1] = team;
        state.PickMember1[1] = c;
        state.PickMember2[1] = r;
    }

    if (state.PickMember1[0] > 0 && state.PickMember1[1] > 0) {
        return PickOutcome::Complete;
    }
    if (isTwoTeamDoubles(state)) {
        state.CurrentTeam = state.CurrentTeam == 0 ? 1 : 0;
    }
    return PickOutcome::Picked;
}

void endSelection(MeetingState& state) {
    state.clearPicks();
    if (isTwoTeamDoubles(state)) {
        state.CurrentTeam = 0;
    }
}
