#pragma once

struct MainView;
struct MeetingState;
class MeetingFile;
class Platform;

// The totals over all meetings ("合計切替"): adds columns 21..28 of every
// earlier meeting's record to the current meeting's values in memory,
// recomputes the rates and shows the standings of the shown team through
// buildResultsRows. The sums last until the next redraw of the pairing table.
//
// totalsBusy is 1 while it works and 0 only when it completed. It refuses
// with a beep while the totals are already shown, so they are never added
// twice. A record that cannot be read stops it with a message; the sums made
// so far stay. Returns true when it completed.
bool showTotals(MeetingState& state, const MeetingFile& file, Platform& platform, MainView& view);
