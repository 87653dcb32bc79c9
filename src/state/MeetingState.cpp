#include "state/MeetingState.h"

#include "text/NumberPattern.h"

void MeetingState::clearPicks() {
    for (int side = 0; side < 2; ++side) {
        PickTeam[side] = 0;
        PickMember1[side] = 0;
        PickMember2[side] = 0;
    }
}

void ResetMeeting(MeetingState& state, int mode) {
    state.ViewedMeeting = 0;
    if (mode != 1) {
        state.MeetingTitle = u"テニスの試合";
        if (mode == 0) {
            state.TeamNameA = u"チーム　Ａ";
            state.TeamNameB = u"チーム  Ｂ";
        } else {
            state.TeamNameA = u"未設定です";
            state.TeamNameB = u"未設定です";
        }
        for (int team = 0; team < 2; ++team) {
            const std::u16string letter = team == 0 ? u"Ａ" : u"Ｂ";
            for (int slot = 0; slot < kSlots; ++slot) {
                state.MemberPhotoNo[team][slot] = 0;
                state.MemberStatus[team][slot] = 0;
                state.MemberAbbrev[team][slot] = letter + formatNumber(slot, u"00");
            }
        }
    }
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                state.ResultTable[team][slot][column] = 0;
            }
            for (int other = 0; other < kSlots; ++other) {
                state.PairState[team][slot][other] = static_cast<std::int16_t>(mode);
            }
        }
    }
    state.IntraTeamFlag = 0;
    state.CurrentTeam = 0;
    state.RunningCount = 0;
    state.clearPicks();
}

namespace {

// MeetingState and MeetingSnapshot share the names of the stored fields.
template <typename From, typename To> void copyStoredFields(const From& from, To& to) {
    to.MeetingTitle = from.MeetingTitle;
    to.MatchMethod = from.MatchMethod;
    to.TeamSize[0] = from.TeamSize[0];
    to.TeamSize[1] = from.TeamSize[1];
    to.TeamNameA = from.TeamNameA;
    to.TeamNameB = from.TeamNameB;
    for (int team = 0; team < 2; ++team) {
        to.MemberPhotoNo[team] = from.MemberPhotoNo[team];
        to.MemberStatus[team] = from.MemberStatus[team];
        to.MemberAbbrev[team] = from.MemberAbbrev[team];
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                to.ResultTable[team][slot][column] = from.ResultTable[team][slot][column];
            }
        }
        to.PairState[team] = from.PairState[team];
    }
}

} // namespace

void copyStoredMeeting(const MeetingState& from, MeetingSnapshot& to) { copyStoredFields(from, to); }

void copyStoredMeeting(const MeetingSnapshot& from, MeetingState& to) { copyStoredFields(from, to); }

void SaveSnapshot(MeetingState& state) { copyStoredMeeting(state, state.CurrentSnapshot); }

void RestoreSnapshot(MeetingState& state) { copyStoredMeeting(state.CurrentSnapshot, state); }

void RemoveRunningSlot(MeetingState& state) {
    const int removed = state.RemoveSlot;
    const int count = state.RunningCount;
    if (removed < 1 || removed > count) {
        return;
    }
    for (int i = removed; i < count; ++i) {
        for (int side = 0; side < 2; ++side) {
            state.SlotTeam[side][i] = state.SlotTeam[side][i + 1];
            state.SlotMember1[side][i] = state.SlotMember1[side][i + 1];
            state.SlotMember2[side][i] = state.SlotMember2[side][i + 1];
        }
    }
    state.RunningCount = static_cast<std::int16_t>(count - 1);
    state.OpenName = state.CurrentPath;
}
