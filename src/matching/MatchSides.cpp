#include "matching/MatchSides.h"

#include "state/MeetingState.h"

MatchSides loadMatchSides(const MeetingState& state, const std::filesystem::path& workDir) {
    MatchSides sides;
    switch (state.MatchMethod) {
    case 0:
        sides.teamNames = {state.TeamNameA, state.TeamNameB};
        break;
    case 1: {
        const std::u16string& shown = state.CurrentTeam == 0 ? state.TeamNameA : state.TeamNameB;
        sides.teamNames = {shown, shown};
        break;
    }
    default:
        sides.teamNames = {state.TeamNameA, state.TeamNameA};
        break;
    }
    sides.partnersShown = state.MatchMethod != 2;

    for (int side = 0; side < 2; ++side) {
        const int team = state.PickTeam.at(side);
        const std::array<int, 2> members = {state.PickMember1.at(side), state.PickMember2.at(side)};
        for (int k = 0; k < 2; ++k) {
            const int slot = members.at(k);
            const std::size_t index = static_cast<std::size_t>(side * 2 + k);
            sides.memberNames.at(index) = state.MemberAbbrev.at(team).at(slot).str();
            sides.pictures.at(index) = lookupPicture(workDir, state.MemberPhotoNo.at(team).at(slot),
                                                     state.MemberStatus.at(team).at(slot));
        }
    }
    return sides;
}
