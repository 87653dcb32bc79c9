#include "app/MainGridEvents.h"

#include "app/Program.h"
#include "platform/Platform.h"

void Grid1_MouseDown(Program& program, int button) {
    program.state.LastGridButton = static_cast<std::int16_t>(button);
}

GridOutcome Grid1_DblClick(Program& program, int column, int row) {
    MeetingState& state = program.state;
    const int teamSize = state.TeamSize[state.CurrentTeam == 1 ? 1 : 0];
    // Headings (row or column 0) and the separator and standings areas beyond
    // the team are not pairs.
    if (column == row || column > teamSize || row > teamSize || column < 1 || row < 1) {
        program.platform.beep();
        return GridOutcome::Refused;
    }
    if (state.LastGridButton != LeftButton) {
        state.CorrectionCell[0] = static_cast<std::int16_t>(column);
        state.CorrectionCell[1] = static_cast<std::int16_t>(row);
        return GridOutcome::Correction;
    }
    if (state.ViewedMeeting > 0) {
        program.platform.beep();
        return GridOutcome::Refused;
    }
    return GridOutcome::Pick;
}
