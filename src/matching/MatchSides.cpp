#include "matching/MatchSides.h"

#include "state/MeetingState.h"

MatchSides loadMatchSides(const MeetingState& state, const std::filesystem::path& workDir) {
    MatchSides sides;
    switch (state.matchMethod) {
    case MatchMethod::TwoTeamDoubles:
        sides.teamNames = {state.teamNameA, state.teamNameB};
        break;
    case MatchMethod::OneTeamDoubles: {
        const std::u16string& shown = state.currentTeam == 0 ? state.teamNameA : state.teamNameB;
        sides.teamNames = {shown, shown};
        break;
    }
    default:
        sides.teamNames = {state.teamNameA, state.teamNameA};
        break;
    }
    sides.partnersShown = state.matchMethod != MatchMethod::OneTeamSingles;

    for (int side = 0; side < 2; ++side) {
        const int team = state.pickTeam.at(side);
        const std::array<int, 2> members = {state.pickMember1.at(side), state.pickMember2.at(side)};
        for (int k = 0; k < 2; ++k) {
            const int slot = members.at(k);
            const std::size_t index = static_cast<std::size_t>(side * 2 + k);
            sides.memberNames.at(index) = state.memberAbbrev.at(team).at(slot).str();
            sides.pictures.at(index) = lookupPicture(workDir, state.memberPhotoNo.at(team).at(slot),
                                                     state.memberStatus.at(team).at(slot));
        }
    }
    return sides;
}
