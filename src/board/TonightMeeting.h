#pragma once

#include "state/MeetingState.h"

// Tonight's meeting as the main window would draw it, whatever the window
// shows now: while an earlier meeting is viewed, the current meeting kept
// aside; the points, ranks and pair priorities recomputed from the pair
// results (so that the totals over all meetings never leak in).
MeetingState tonightMeeting(const MeetingState& shown);
