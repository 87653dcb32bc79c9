#pragma once

#include "results/ScoreCode.h"

struct MeetingState;

// The parts of a packed column (WinsLosses or GamesWonLost) of a member or
// of the totals row 21. Each part is kept as its own number when it is
// computed, so totals of any size read back whole; a column whose code was
// set otherwise (read from a file) is split as it stands.
ScoreParts packedParts(const MeetingState& state, int team, int slot, int column);

// Stores the parts and their packed code (first × 1000 + second, clamped).
void setPackedParts(MeetingState& state, int team, int slot, int column, ScoreParts parts);
