#include "app/RegistrationMenu.h"

#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "platform/Platform.h"

RegistrationMenu::RegistrationMenu(Program& program, std::function<void()> redraw)
    : program_(program), redraw_(std::move(redraw)) {}

bool RegistrationMenu::mayRegister() {
    const MeetingState& state = program_.state;
    std::u16string_view refusal;
    if (state.runningCount > 0) {
        refusal = kRunningMessage;
    } else if (state.intraTeamMode == IntraTeamMode::On) {
        refusal = kIntraTeamMessage;
    } else if (state.viewedMeeting > 0) {
        refusal = kViewingMessage;
    } else if (state.openName.empty()) {
        refusal = kNoFileMessage;
    } else {
        return true;
    }
    program_.platform.showMessage(refusal, kAppTitle);
    return false;
}

bool RegistrationMenu::mayClear() {
    if (!mayRegister()) {
        return false;
    }
    if (program_.state.viewState == ViewState::Totals || program_.state.meetingCount < 1) {
        program_.platform.beep();
        return false;
    }
    return true;
}

bool RegistrationMenu::clearCurrentData() {
    if (!mayClear() || !program_.platform.askYesNo(kClearCurrentQuestion, kAppTitle)) {
        return false;
    }
    resetMeeting(program_.state, ResetTarget::MatchData);
    saveMeeting(program_, SaveTarget::Meeting);
    redraw_();
    appendLog(program_, std::u16string(kClearCurrentLog));
    return true;
}

bool RegistrationMenu::clearAllData() {
    if (!mayClear() || !program_.platform.askYesNo(kClearAllQuestion, kAppTitle)) {
        return false;
    }
    resetMeeting(program_.state, ResetTarget::MatchData);
    program_.state.meetingCount = 1;
    program_.meetingFile.buffer().setCount(1);
    saveMeeting(program_, SaveTarget::Meeting);
    redraw_();
    appendLog(program_, std::u16string(kClearAllLog));
    return true;
}

bool RegistrationMenu::toggleIntraTeam(int selectedTeam) {
    MeetingState& state = program_.state;
    if (state.viewedMeeting > 0) {
        program_.platform.showMessage(kViewingMessage, kAppTitle);
        return false;
    }
    if (state.matchMethod != MatchMethod::TwoTeamDoubles) {
        program_.platform.beep();
        return false;
    }
    if (state.intraTeamMode == IntraTeamMode::On) {
        state.intraTeamMode = IntraTeamMode::Off;
    } else {
        state.intraTeamMode = IntraTeamMode::On;
        // The mode works on the team shown when it is switched on.
        state.currentTeam = selectedTeam == 0 ? 0 : 1;
    }
    redraw_();
    return true;
}

bool RegistrationMenu::tabStripEnabled() const {
    return program_.state.intraTeamMode == IntraTeamMode::Off;
}
