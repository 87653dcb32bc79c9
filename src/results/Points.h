#pragma once

#include "state/MeetingState.h"

#include <array>
#include <cstdint>

// Recomputes columns 21..25 (matches, wins × 1000 + losses, games won × 1000
// + games lost, win rate, point win rate) of every member of one team from
// the pair results. A draw counts as a win and a loss. Cells of running or
// forfeited pairs never count. Codes 1 and 2 are first set back to 0.
void sumMemberPoints(MeetingState& state, int team);

// Row 21 of both teams: columns 22 and 23 summed part by part over the
// members, and the team's win rate and point win rate from those sums.
void computeTeamTotals(MeetingState& state);

// The sum of column 21 over the members of one team.
std::int32_t teamMatches(const MeetingState& state, int team);

// Recomputes columns 24 and 25 of members 1..20 of both teams from columns 22
// and 23 (used after summing meetings).
void recomputeRates(MeetingState& state);

using PlayedColumn = std::array<std::int32_t, kSlots>;

// Running matches count as played while the table is drawn: adds to each
// member's column 21 the number of its pairs with code 8, and returns the
// column as it was so that restorePlayed can put it back.
PlayedColumn addRunningToPlayed(MeetingState& state, int team);
void restorePlayed(MeetingState& state, int team, const PlayedColumn& saved);
