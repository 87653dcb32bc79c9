#include "app/Redraw.h"

#include "app/Program.h"

void redraw(Program& program) {
    MeetingState& state = program.state;
    state.ViewState = 0;
    program.view.caption =
        u"　　ラリーノートメイン" + std::u16string(26, u' ') + state.MeetingTitle.str();
}
