#pragma once

struct MainView;
struct MeetingState;

// Rebuilds the whole main view of the shown team (CurrentTeam) from the
// state: window texts and colours, the pairing table with results, symbols,
// running pairs and picks, and the standings rows (kekka_dsp). Recomputes
// both teams' statistics, the priority codes of the shown team, the team
// match totals and PlayedTotal. displayMode 1 is the adjusted screen, which
// gives the rows more height.
void TaisenDsp(MeetingState& state, MainView& view, int displayMode);
