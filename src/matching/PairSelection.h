#pragma once

struct MeetingState;
class Platform;

// What a left double-click on a pair cell led to.
enum class PickOutcome {
    Refused,  // beeped, nothing changed
    Picked,   // one side picked; in two-team doubles the view moved to the other team
    Complete, // both sides picked: the pairing confirmation opens next
};

// Whether the cell (column, row) of the shown team's pairing table may be
// picked: a pair of two members of the team, above the diagonal unless in
// singles, not closed (code 4 or more), and no earlier meeting on display.
bool isPickableCell(const MeetingState& state, int column, int row);

// Takes the pick of a double-clicked cell, or beeps when it may not be
// picked. After Complete the caller opens the confirmation and then calls
// endSelection; after Picked and Complete it redraws the pairing table.
PickOutcome selectPair(MeetingState& state, Platform& platform, int column, int row);

// Whatever closed the confirmation: the picks are cleared, and two-team
// doubles returns to team A.
void endSelection(MeetingState& state);

// Two-team doubles: one pair of team A against one of team B, the side
// index being the team.
bool isTwoTeamDoubles(const MeetingState& state);
