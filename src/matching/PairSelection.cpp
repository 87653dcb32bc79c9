#include "matching/PairSelection.h"

#include "platform/Platform.h"
#include "state/MeetingState.h"

#include <cstdint>

bool isTwoTeamDoubles(const MeetingState& state) {
    return state.matchMethod == MatchMethod::TwoTeamDoubles &&
           state.intraTeamMode == IntraTeamMode::Off;
}

bool isPickableCell(const MeetingState& state, int column, int row) {
    const int team = state.currentTeam;
    const int size = state.teamSize.at(team);
    if (column == row || column < 1 || row < 1 || column > size || row > size) {
        return false;
    }
    if (state.viewedMeeting != 0) {
        return false;
    }
    if (state.pairState[team][column][row] > PairSecondClassBusy) {
        return false;
    }
    return state.matchMethod == MatchMethod::OneTeamSingles || column > row;
}

PickOutcome selectPair(MeetingState& state, Platform& platform, int column, int row) {
    if (!isPickableCell(state, column, row)) {
        platform.beep();
        return PickOutcome::Refused;
    }
    const auto team = state.currentTeam;
    const auto c = static_cast<std::int16_t>(column);
    const auto r = static_cast<std::int16_t>(row);
    if (isTwoTeamDoubles(state)) {
        state.pickTeam[team] = team;
        state.pickMember1[team] = c;
        state.pickMember2[team] = r;
    } else if (state.pickMember1[0] == 0) {
        state.pickTeam[0] = team;
        state.pickMember1[0] = c;
        state.pickMember2[0] = r;
        if (state.matchMethod == MatchMethod::OneTeamSingles) {
            // One cell is the whole singles match: c against r, seen from each side.
            state.pickTeam[0] = 0;
            state.pickTeam[1] = 0;
            state.pickMember1[1] = r;
            state.pickMember2[1] = c;
        }
    } else if (c == state.pickMember1[0] || c == state.pickMember2[0] ||
               r == state.pickMember1[0] || r == state.pickMember2[0]) {
        // The two pairs share a member: the selection starts again.
        state.clearPicks();
    } else {
        state.pickTeam[1] = team;
        state.pickMember1[1] = c;
        state.pickMember2[1] = r;
    }

    if (state.pickMember1[0] > 0 && state.pickMember1[1] > 0) {
        return PickOutcome::Complete;
    }
    if (isTwoTeamDoubles(state)) {
        state.currentTeam = state.currentTeam == 0 ? 1 : 0;
    }
    return PickOutcome::Picked;
}

void endSelection(MeetingState& state) {
    state.clearPicks();
    if (isTwoTeamDoubles(state)) {
        state.currentTeam = 0;
    }
}
