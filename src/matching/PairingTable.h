#pragma once

struct MainView;
struct MeetingState;

// Rebuilds the whole main view of the shown team (currentTeam) from the
// state: window texts and colours, the pairing table with results, symbols,
// running pairs and picks, and the standings rows (buildResultsRows). Recomputes
// both teams' statistics, the priority codes of the shown team, the team
// match totals and playedTotal. displayMode 1 is the adjusted screen, which
// gives the rows more height.
void buildPairingTable(MeetingState& state, MainView& view, int displayMode);
