#include "app/TeamInfo.h"

#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "platform/Platform.h"

namespace {

int offeredMethod(int method) {
    return method >= 0 && method <= 2 ? method : -1;
}

} // namespace

TeamInfo::TeamInfo(Program& program)
    : program_(program), title_(program.state.meetingTitle.str()), nameA_(program.state.teamNameA),
      nameB_(program.state.teamNameB),
      method_(offeredMethod(static_cast<int>(program.state.matchMethod))) {}

void TeamInfo::chooseMethod(int method) {
    if (method == method_) {
        return;
    }
    if (program_.state.playedTotal > 0) {
        program_.platform.showMessage(kMethodLockedMessage, kAppTitle);
        method_ = offeredMethod(static_cast<int>(program_.state.matchMethod));
        return;
    }
    method_ = offeredMethod(method);
}

void TeamInfo::update(std::u16string_view title, std::u16string_view teamNameA,
                      std::u16string_view teamNameB) {
    MeetingState& state = program_.state;
    state.meetingTitle = title;
    state.teamNameA = teamNameA;
    state.teamNameB = teamNameB;
    // A method the dialog does not offer stays as the meeting holds it.
    if (method_ >= 0) {
        state.matchMethod = static_cast<MatchMethod>(method_);
    }
    state.currentTeam = 0;
    saveMeeting(program_, SaveTarget::Meeting);
}
