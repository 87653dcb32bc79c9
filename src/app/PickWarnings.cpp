#include "app/PickWarnings.h"

#include "app/Program.h"
#include "app/RegisterLink.h"
#include "register/PairRuleCheck.h"
#include "suggestions/MeetingReading.h"

std::vector<std::u16string> pickWarnings(Program& program) {
    if (!program.clubRegister.isOpen()) {
        return {};
    }
    const MeetingState& state = program.state;
    const bool singles = matchShapeOf(state) == MatchShape::Singles;
    std::array<std::vector<MemberRef>, 2> sides;
    for (int side = 0; side < 2; ++side) {
        const SideMembers picked = pickedSide(state, side);
        auto& members = sides[static_cast<std::size_t>(side)];
        for (const int slot : {picked.member1, picked.member2}) {
            if (slot >= 1 && slot < kSlots) {
                members.push_back(memberRefOf(program, picked.team, slot));
            }
            if (singles) {
                break;
            }
        }
    }
    return pairRuleWarnings(program.clubRegister.pairRules(), sides);
}
