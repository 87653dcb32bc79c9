#include "app/MainGridEvents.h"

#include "app/Program.h"
#include "platform/Platform.h"

void rememberGridButton(Program& program, int button) {
    program.state.lastGridButton = static_cast<std::int16_t>(button);
}

GridOutcome handleGridDoubleClick(Program& program, int column, int row) {
    MeetingState& state = program.state;
    const int teamSize = state.teamSize[state.currentTeam == 1 ? 1 : 0];
    // Headings (row or column 0) and the separator and standings areas beyond
    // the team are not pairs.
    if (column == row || column > teamSize || row > teamSize || column < 1 || row < 1) {
        program.platform.beep();
        return GridOutcome::Refused;
    }
    if (state.lastGridButton != LeftButton) {
        state.correctionCell[0] = static_cast<std::int16_t>(column);
        state.correctionCell[1] = static_cast<std::int16_t>(row);
        return GridOutcome::Correction;
    }
    if (state.viewedMeeting > 0) {
        program.platform.beep();
        return GridOutcome::Refused;
    }
    return GridOutcome::Pick;
}
