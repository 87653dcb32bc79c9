#include "app/TeamInfo.h"

#include "app/Program.h"
#include "platform/Platform.h"

namespace {

int offeredMethod(int method) {
    return method >= 0 && method <= 2 ? method : -1;
}

} // namespace

TeamInfo::TeamInfo(Program& program)
    : program_(program), title_(program.state.MeetingTitle.str()), nameA_(program.state.TeamNameA),
      nameB_(program.state.TeamNameB), method_(offeredMethod(program.state.MatchMethod)) {}

void TeamInfo::chooseMethod(int method) {
    if (method == method_) {
        return;
    }
    if (program_.state.PlayedTotal > 0) {
        program_.platform.showMessage(kMethodLockedMessage, kAppTitle);
        method_ = offeredMethod(program_.state.MatchMethod);
        return;
    }
    method_ = offeredMethod(method);
}

void TeamInfo::update(std::u16string_view title, std::u16string_view teamNameA,
                      std::u16string_view teamNameB) {
    MeetingState& state = program_.state;
    state.MeetingTitle = title;
    state.TeamNameA = teamNameA;
    state.TeamNameB = teamNameB;
    // A method the dialog does not offer stays as the meeting holds it.
    if (method_ >= 0) {
        state.MatchMethod = static_cast<std::int16_t>(method_);
    }
    state.CurrentTeam = 0;
    program_.meetingFile.SaveMeeting(0);
}
