#include "app/MainButtons.h"

#include "app/MainLayout.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "platform/Platform.h"

void showOtherTeam(Program& program, MainLayout& layout) {
    const MeetingState& state = program.state;
    if (state.matchMethod != MatchMethod::TwoTeamDoubles ||
        state.intraTeamMode != IntraTeamMode::Off) {
        return;
    }
    layout.selectTeam(program, state.currentTeam == 0 ? 1 : 0);
}

bool showRunningMatches(Program& program, const std::function<void()>& openRunningList) {
    const MeetingState& state = program.state;
    if (state.viewState == ViewState::Totals || state.meetingCount < 1 || state.viewedMeeting > 0) {
        program.platform.beep();
        return false;
    }
    openRunningList();
    redraw(program);
    return true;
}
