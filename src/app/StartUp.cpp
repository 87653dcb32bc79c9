#include "app/StartUp.h"

#include "app/MainLayout.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "app/RegisterLink.h"
#include "platform/Platform.h"

#include <system_error>

namespace {

constexpr std::u16string_view kRunningLost =
    u"試合中の組合せがｷｬﾝｾﾙされます。　よろしいですか　?　";
constexpr std::u16string_view kScratchNotSaved =
    u"ファイルの保存が行われていません。　よろしいですか　?";

} // namespace

void enterWorkingFolder(const Program& program) {
    std::error_code ignored;
    std::filesystem::current_path(program.workDir, ignored);
}

void startProgram(Program& program, MainLayout& layout, const WindowGeometry& designed) {
    enterWorkingFolder(program);
    MeetingState& state = program.state;
    state.windowReady = 0;
    loadSettings(program.settings, program.recent, program.display);
    openClubRegister(program);
    resetMeeting(state, ResetTarget::StartUp);
    layout.applySavedSizes(program, designed);
    state.teamSize[0] = 10;
    state.teamSize[1] = 10;
    program.log.entryCount = 0;
    state.playedTotal = 0;
    state.windowReady = 1;
    redraw(program);
    program.log.readEntryCount();
    layout.selectedTab = 1;
}

bool confirmEnd(Program& program) {
    const MeetingState& state = program.state;
    if (state.runningCount >= 1 && !program.platform.askYesNo(kRunningLost, u"")) {
        return false;
    }
    if (isScratchPath(state.targetPath) && !program.platform.askYesNo(kScratchNotSaved, u"")) {
        return false;
    }
    return true;
}

void finishRun(Program& program) {
    program.log.append(program.state.runningCount == 0 ? u"終了" : u"強制終了");
    saveSettings(program.settings, program.recent, program.display);
}

bool handleCloseRequest(Program& program) {
    if (!confirmEnd(program)) {
        return true;
    }
    finishRun(program);
    return false;
}
