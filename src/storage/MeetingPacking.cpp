#include "storage/MeetingPacking.h"

#include "state/MeetingState.h"
#include "storage/MeetingRecord.h"
#include "text/Cp932.h"

#include <algorithm>

namespace {

using R = MeetingRecord;

constexpr int kMaxPairCode = PairUnavailable;
constexpr std::int32_t kMaxScoreCode = 999999;
constexpr int kMaxMatchMethod = 2;

std::size_t photoOffset(int team, int slot) {
    return R::kPhotoNoOffset + 2 * R::participantIndex(team, slot);
}
std::size_t statusOffset(int team, int slot) {
    return R::kStatusOffset + 2 * R::participantIndex(team, slot);
}
std::size_t abbrevOffset(int team, int slot) {
    return R::kAbbrevOffset + R::kAbbrevBytes * R::participantIndex(team, slot);
}
std::size_t resultOffset(int team, int slot, int column) {
    return R::kResultOffset + 4 * R::resultIndex(team, slot, column);
}
std::size_t pairOffset(int team, int a, int b) {
    return R::kPairOffset + 2 * R::pairIndex(team, a, b);
}

} // namespace

void packMeeting(const MeetingState& state, MeetingRecord& record) {
    cp932::writeField(&record.bytes[R::kTitleOffset], R::kTitleBytes, state.meetingTitle);
    record.setInt16At(R::kMatchMethodOffset, static_cast<std::int16_t>(state.matchMethod));
    record.setInt16At(R::kTeamSizeOffset, state.teamSize[0]);
    record.setInt16At(R::kTeamSizeOffset + 2, state.teamSize[1]);
    cp932::writeField(&record.bytes[R::kTeamNameAOffset], R::kTeamNameBytes, state.teamNameA);
    cp932::writeField(&record.bytes[R::kTeamNameBOffset], R::kTeamNameBytes, state.teamNameB);
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            record.setInt16At(photoOffset(team, slot), state.memberPhotoNo[team][slot]);
            record.setInt16At(statusOffset(team, slot), state.memberStatus[team][slot]);
            cp932::writeField(&record.bytes[abbrevOffset(team, slot)], R::kAbbrevBytes,
                              state.memberAbbrev[team][slot]);
        }
    }
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                record.setInt32At(resultOffset(team, slot, column),
                                  state.resultTable[team][slot][column]);
            }
        }
    }
    for (int team = 0; team < 2; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int b = 0; b < kSlots; ++b) {
                const std::int16_t code = state.pairState[team][a][b];
                record.setInt16At(pairOffset(team, a, b), code == PairRunning ? 0 : code);
            }
        }
    }
}

void unpackMeeting(const MeetingRecord& record, MeetingState& state) {
    // Parts computed for another meeting never stand for this one's codes.
    state.keptPackedParts = {};
    state.meetingTitle = cp932::readField(&record.bytes[R::kTitleOffset], R::kTitleBytes);
    const std::int16_t method = record.int16At(R::kMatchMethodOffset);
    state.matchMethod = method >= 0 && method <= kMaxMatchMethod ? static_cast<MatchMethod>(method)
                                                                 : MatchMethod::TwoTeamDoubles;
    for (int team = 0; team < 2; ++team) {
        const std::int16_t size = record.int16At(R::kTeamSizeOffset + 2 * team);
        state.teamSize[team] = std::clamp<std::int16_t>(size, 0, kMaxTeamSize);
    }
    state.teamNameA = cp932::readField(&record.bytes[R::kTeamNameAOffset], R::kTeamNameBytes);
    state.teamNameB = cp932::readField(&record.bytes[R::kTeamNameBOffset], R::kTeamNameBytes);
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            state.memberPhotoNo[team][slot] = record.int16At(photoOffset(team, slot));
            state.memberStatus[team][slot] = record.int16At(statusOffset(team, slot));
            state.memberAbbrev[team][slot] =
                cp932::readField(&record.bytes[abbrevOffset(team, slot)], R::kAbbrevBytes);
        }
    }
    for (int team = 0; team < 2; ++team) {
        for (int slot = 0; slot < kSlots; ++slot) {
            for (int column = 0; column < kStoredResultColumns; ++column) {
                std::int32_t value = record.int32At(resultOffset(team, slot, column));
                const bool headToHead = column >= 1 && column <= kMaxTeamSize;
                if (headToHead && (value < 0 || value > kMaxScoreCode)) {
                    value = 0;
                }
                state.resultTable[team][slot][column] = value;
            }
        }
    }
    for (int team = 0; team < 2; ++team) {
        for (int a = 0; a < kSlots; ++a) {
            for (int b = 0; b < kSlots; ++b) {
                std::int16_t code = record.int16At(pairOffset(team, a, b));
                if (code < 0 || code > kMaxPairCode) {
                    code = PairUnavailable;
                } else if (code == PairRunning) {
                    code = 0; // no match runs in a meeting just read
                }
                state.pairState[team][a][b] = code;
            }
        }
    }
}
