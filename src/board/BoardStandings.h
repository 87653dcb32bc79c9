#pragma once

#include "board/BoardContent.h"

// The three standings tables of tonight (overall, men, women) from a meeting
// whose ranks are computed (tonightMeeting): the ranked members in rank
// order, team A before team B within a rank, at most kStandingsShown each.
std::array<StandingsTable, 3> buildBoardStandings(const MeetingState& tonight);
