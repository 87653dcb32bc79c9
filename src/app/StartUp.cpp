#include "app/StartUp.h"

#include "app/MainLayout.h"
#include "app/Program.h"
#include "app/Redraw.h"
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

void Form_Load(Program& program, MainLayout& layout, const WindowGeometry& designed) {
    enterWorkingFolder(program);
    MeetingState& state = program.state;
    state.FormReady = 0;
    LoadSettings(program.settings, program.recent, program.display);
    ResetMeeting(state, 9);
    layout.applySavedSizes(program, designed);
    state.TeamSize[0] = 10;
    state.TeamSize[1] = 10;
    program.log.LogCount = 0;
    state.PlayedTotal = 0;
    state.FormReady = 1;
    redraw(program);
    program.log.StartLog();
    layout.selectedTab = 1;
}

bool confirmEnd(Program& program) {
    const MeetingState& state = program.state;
    if (state.RunningCount >= 1 && !program.platform.askYesNo(kRunningLost, u"")) {
        return false;
    }
    if (isScratchPath(state.TargetPath) && !program.platform.askYesNo(kScratchNotSaved, u"")) {
        return false;
    }
    return true;
}

void finishRun(Program& program) {
    program.log.AppendLog(program.state.RunningCount == 0 ? u"終了" : u"強制終了");
    SaveSettings(program.settings, program.recent, program.display);
}

bool Form_Unload(Program& program) {
    if (!confirmEnd(program)) {
        return true;
    }
    finishRun(program);
    return false;
}
