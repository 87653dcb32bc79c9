#include "board/BoardWaiting.h"

#include "suggestions/MatchTimes.h"
#include "suggestions/MeetingReading.h"

#include <algorithm>

namespace {

bool isPlaying(const MeetingState& state, int team, int slot) {
    for (int k = 1; k <= runningMatchCount(state); ++k) {
        for (int side = 0; side < 2; ++side) {
            const SideMembers s = runningSide(state, k, side);
            if (s.team == team && (s.member1 == slot || s.member2 == slot)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

BoardWaiting buildBoardWaiting(const MeetingState& tonight, const MatchTimes* times,
                               long long now) {
    BoardWaiting lists;
    const int teams = matchShapeOf(tonight) == MatchShape::Singles ? 1 : 2;
    for (int team = 0; team < teams; ++team) {
        for (int slot = 1; slot <= memberCount(tonight, team); ++slot) {
            if (isPlaying(tonight, team, slot)) {
                continue;
            }
            WaitingMember member{memberName(tonight, team, slot), team,
                                 std::max(0, playedCount(tonight, team, slot)), std::nullopt};
            if (isMemberResting(tonight, team, slot)) {
                lists.resting.push_back(member);
                continue;
            }
            if (member.matchesPlayed == 0) {
                continue;
            }
            if (const auto since = times ? times->freeSince(tonight, team, slot) : std::nullopt) {
                member.minutesWaited = static_cast<int>(std::max(0LL, (now - *since) / 60));
            }
            lists.waiting.push_back(member);
        }
    }
    std::stable_sort(lists.waiting.begin(), lists.waiting.end(),
                     [](const WaitingMember& a, const WaitingMember& b) {
                         return a.minutesWaited.value_or(-1) > b.minutesWaited.value_or(-1);
                     });
    return lists;
}
