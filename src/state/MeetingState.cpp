#include "state/MeetingState.h"

#include "text/NumberPattern.h"

void MeetingState::clearPicks() {
    for (int side = 0; side < 2; ++side) {
        pickTeam[side] = 0;
        pickMember1[side] = 0;
        pickMember2[side] = 0;
    }
}

void resetMeeting(MeetingState& state, ResetTarget target) {
    state.viewedMeeting = 0;
    if (target != ResetTarget::MatchData) {
        state.meetingTitle = u"テニスの試合";
        if (target == ResetTarget::NewMeeting) {
            state.teamNameA = u"チーム　Ａ";
            state.teamNameB = u"チーム  Ｂ";
        } else {
            state.teamNameA = u"未設定です";
            state.teamNameB = u"未設定です";
        }
        for (int team = 0; team < 2; ++team) {
            const std::u16string letter = team == 0 ? u"Ａ" : u"Ｂ";
            for (int slot = 0; slot < kSlots; ++slot) {
                state.memberPhotoNo[team][slot] = 0;
                state.memberStatus[team][slot] = 0;
                state.memberAbbrev[team][slot] = letter + formatNumber(slot, u"00");
            }
        }
    }
    const std::int16_t pairCode = target == ResetTarget::NewMeeting  ? PairFirstClass
                                  : target == ResetTarget::MatchData ? PairSecondClass
                                                                     : PairUnavailable;
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                state.resultTable[team][slot][column] = 0;
            }
            for (int other = 0; other < kSlots; ++other) {
                state.pairState[team][slot][other] = pairCode;
            }
        }
    }
    state.intraTeamMode = IntraTeamMode::Off;
    state.currentTeam = 0;
    state.runningCount = 0;
    state.clearPicks();
}

namespace {

// MeetingState and MeetingSnapshot share the names of the stored fields.
template <typename From, typename To> void copyStoredFields(const From& from, To& to) {
    to.meetingTitle = from.meetingTitle;
    to.matchMethod = from.matchMethod;
    to.teamSize[0] = from.teamSize[0];
    to.teamSize[1] = from.teamSize[1];
    to.teamNameA = from.teamNameA;
    to.teamNameB = from.teamNameB;
    for (int team = 0; team < 2; ++team) {
        to.memberPhotoNo[team] = from.memberPhotoNo[team];
        to.memberStatus[team] = from.memberStatus[team];
        to.memberAbbrev[team] = from.memberAbbrev[team];
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                to.resultTable[team][slot][column] = from.resultTable[team][slot][column];
            }
        }
        to.pairState[team] = from.pairState[team];
    }
}

} // namespace

void copyStoredMeeting(const MeetingState& from, MeetingSnapshot& to) {
    copyStoredFields(from, to);
}

void copyStoredMeeting(const MeetingSnapshot& from, MeetingState& to) {
    copyStoredFields(from, to);
}

void saveSnapshot(MeetingState& state) {
    copyStoredMeeting(state, state.currentSnapshot);
}

void restoreSnapshot(MeetingState& state) {
    copyStoredMeeting(state.currentSnapshot, state);
}

void removeRunningSlot(MeetingState& state) {
    const int removed = state.removeSlot;
    const int count = state.runningCount;
    if (removed < 1 || removed > count) {
        return;
    }
    for (int i = removed; i < count; ++i) {
        for (int side = 0; side < 2; ++side) {
            state.slotTeam[side][i] = state.slotTeam[side][i + 1];
            state.slotMember1[side][i] = state.slotMember1[side][i + 1];
            state.slotMember2[side][i] = state.slotMember2[side][i + 1];
        }
    }
    state.runningCount = static_cast<std::int16_t>(count - 1);
    state.openName = state.currentPath;
}
