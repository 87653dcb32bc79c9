#include "phones/PhoneRoster.h"

#include "suggestions/MeetingReading.h"

std::vector<RosterName> tonightRoster(const MeetingState& tonight) {
    std::vector<RosterName> roster;
    const int teams = matchShapeOf(tonight) == MatchShape::Singles ? 1 : 2;
    for (int team = 0; team < teams; ++team) {
        for (int slot = 1; slot <= memberCount(tonight, team); ++slot) {
            roster.push_back({memberName(tonight, team, slot), team});
        }
    }
    return roster;
}
