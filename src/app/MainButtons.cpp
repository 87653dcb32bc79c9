#include "app/MainButtons.h"

#include "app/MainLayout.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "platform/Platform.h"

void Command4_Click(Program& program, MainLayout& layout) {
    const MeetingState& state = program.state;
    if (state.MatchMethod != 0 || state.IntraTeamFlag != 0) {
        return;
    }
    layout.tabPage_Click(program, state.CurrentTeam == 0 ? 2 : 1);
}

bool Command6_Click(Program& program, const std::function<void()>& openRunningList) {
    const MeetingState& state = program.state;
    if (state.ViewState == 2 || state.MeetingCount < 1 || state.ViewedMeeting > 0) {
        program.platform.beep();
        return false;
    }
    openRunningList();
    redraw(program);
    return true;
}
