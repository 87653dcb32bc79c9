#include "results/PackedParts.h"

#include "state/MeetingState.h"

namespace {

std::size_t partIndex(int column) {
    return column == WinsLosses ? 0 : 1;
}

} // namespace

ScoreParts packedParts(const MeetingState& state, int team, int slot, int column) {
    const std::int32_t code = state.resultTable[team][slot][column];
    const PackedPair& kept = state.keptPackedParts[team][slot][partIndex(column)];
    if (packScore(kept.first, kept.second) == code) {
        return {kept.first, kept.second};
    }
    return splitScore(code);
}

void setPackedParts(MeetingState& state, int team, int slot, int column, ScoreParts parts) {
    state.keptPackedParts[team][slot][partIndex(column)] = {parts.first, parts.second};
    state.resultTable[team][slot][column] = packScore(parts.first, parts.second);
}
