#pragma once

#include "matching/PairSelection.h"

#include <vector>

class Program;
struct MeetingState;
struct Suggestion;

// Makes the picks of a suggestion exactly as double-clicking its cells
// would, from a cleared selection: Complete when the pairing confirmation
// may open; Refused (with the beep of the refused cell) when the table no
// longer allows a cell.
PickOutcome makeSuggestedPicks(Program& program, const Suggestion& suggestion);

// The decide button of the pairing confirmation with the match's start
// time noted: the picked match starts (startMatch) and the meeting's match
// times learn when.
bool startPickedMatch(Program& program);

// The current meeting's best `count` suggestions, with the earlier
// meetings of the open file (read once per file and meeting count) and this
// meeting's match times up to the program's clock. The tie-break is seeded
// by the meeting number, so the order holds from one redraw to the next.
std::vector<Suggestion> currentSuggestions(Program& program, int count);

// The same for another state of the open file's current meeting (the
// board's copy of tonight while an earlier meeting is shown).
std::vector<Suggestion> suggestionsFor(Program& program, const MeetingState& meeting, int count);
