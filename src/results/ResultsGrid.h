#pragma once

struct MainView;
struct MeetingState;

// Writes the standings of the shown team into the seven rows under the
// pairing table and the summary column to its right, ranks everybody and
// computes both teams' totals on the way, and sets the status label. The
// grid must already have the shape of the pairing table (view.tableSize).
void buildResultsRows(MeetingState& state, MainView& view);
