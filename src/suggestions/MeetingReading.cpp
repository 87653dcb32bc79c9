#include "suggestions/MeetingReading.h"

#include "state/StateBounds.h"
#include "text/NumberPattern.h"

#include <algorithm>

MatchShape matchShapeOf(const MeetingState& state) {
    if (state.matchMethod == MatchMethod::OneTeamSingles) {
        return MatchShape::Singles;
    }
    if (state.matchMethod == MatchMethod::TwoTeamDoubles &&
        state.intraTeamMode == IntraTeamMode::Off) {
        return MatchShape::TwoTeamDoubles;
    }
    return MatchShape::OneTeamDoubles;
}

int oneTeamPickTeam(const MeetingState& state) {
    return matchShapeOf(state) == MatchShape::Singles ? 0 : boundedTeam(state.currentTeam);
}

int memberCount(const MeetingState& state, int team) {
    return boundedTeamSize(state, boundedTeam(team));
}

bool isMemberResting(const MeetingState& state, int team, int slot) {
    return state.isResting(boundedTeam(team), std::clamp(slot, 0, kSlots - 1));
}

std::u16string memberName(const MeetingState& state, int team, int slot) {
    std::u16string name =
        state.memberAbbrev[boundedTeam(team)][std::clamp(slot, 0, kSlots - 1)].str();
    name = name.substr(0, name.find(u'\0'));
    while (!name.empty() && (name.back() == u' ' || name.back() == u'　')) {
        name.pop_back();
    }
    return name;
}

std::u16string memberKey(const MeetingState& state, int team, int slot) {
    std::u16string name = memberName(state, team, slot);
    if (name.empty()) {
        name = u"#" + formatNumber(team, u"0") + u":" + formatNumber(slot, u"0");
    }
    return name;
}

std::int16_t pairCode(const MeetingState& state, int team, int a, int b) {
    return state
        .pairState[boundedTeam(team)][std::clamp(a, 0, kSlots - 1)][std::clamp(b, 0, kSlots - 1)];
}

std::int32_t playedCount(const MeetingState& state, int team, int slot) {
    return state.resultTable[boundedTeam(team)][std::clamp(slot, 0, kSlots - 1)][PlayedCount];
}

std::int32_t pairResult(const MeetingState& state, int team, int a, int b) {
    return state
        .resultTable[boundedTeam(team)][std::clamp(a, 0, kSlots - 1)][std::clamp(b, 0, kSlots - 1)];
}

int runningMatchCount(const MeetingState& state) {
    return boundedRunningCount(state);
}

SideMembers runningSide(const MeetingState& state, int slot, int side) {
    slot = std::clamp(slot, 0, kRunningSlots - 1);
    side = side == 1 ? 1 : 0;
    return {boundedTeam(state.slotTeam[side][slot]), state.slotMember1[side][slot],
            state.slotMember2[side][slot]};
}

SideMembers pickedSide(const MeetingState& state, int side) {
    side = side == 1 ? 1 : 0;
    return {boundedTeam(state.pickTeam[side]), state.pickMember1[side], state.pickMember2[side]};
}

bool isEarlierMeetingShown(const MeetingState& state) {
    return state.viewedMeeting != 0;
}
