#include "app/PresenceRoster.h"

#include "app/Program.h"
#include "app/RegisterLink.h"
#include "platform/Clock.h"
#include "suggestions/MatchTimes.h"
#include "suggestions/MeetingReading.h"

#include <algorithm>

bool applyPresence(Program& program) {
    const std::optional<MeetingRef> meeting = currentMeeting(program.state);
    if (!meeting || !program.clubRegister.isOpen()) {
        return false;
    }
    const std::vector<Presence> all = program.clubRegister.presence(*meeting);
    if (std::none_of(all.begin(), all.end(), [](const Presence& p) { return p.arrived; })) {
        return false;
    }
    const long long now = secondsOf(program.clock.now());
    MeetingState& state = program.state;
    bool changed = false;
    for (int team = 0; team < 2; ++team) {
        for (int slot = 1; slot <= memberCount(state, team); ++slot) {
            const MemberRef member = memberRefOf(program, team, slot);
            const auto found = std::find_if(all.begin(), all.end(),
                                            [&](const Presence& p) { return p.member == member; });
            const bool present =
                found != all.end() && found->stateAt(now) == PresenceState::Present;
            std::int16_t& status =
                state.memberStatus[static_cast<std::size_t>(team)][static_cast<std::size_t>(slot)];
            const auto wanted = static_cast<std::int16_t>(status % 10 + (present ? 0 : 10));
            if (status != wanted) {
                status = wanted;
                changed = true;
            }
        }
    }
    return changed;
}
