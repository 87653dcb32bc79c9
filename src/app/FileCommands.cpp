#include "app/FileCommands.h"

#include "app/MainLayout.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "app/StartUp.h"
#include "app/StorageMessages.h"
#include "platform/Platform.h"

#include <system_error>

namespace {

constexpr std::u16string_view kIntraTeamOn =
    u"２チーム制中に１チーム制の宣言がされています。 解除後に行って下さい。";
constexpr std::u16string_view kViewingEarlier = u"前回情報を表示中です。表示戻し後に行って下さい。";
constexpr std::u16string_view kScratchWillBeLost =
    u"ファイルの保存が行われていません。 はい(Y)を選ぶと現在のﾃﾞｰﾀが消えます。";
constexpr std::u16string_view kDiscardCurrent =
    u"現在のﾃﾞｰﾀを破棄（上書）しますか ?　はい(Y)を選ぶと現在のﾃﾞｰﾀが消えます。";
constexpr std::u16string_view kOpenedFilePrefix = u"ﾌｧｲﾙ：";

bool guardsPass(Program& program) {
    const MeetingState& state = program.state;
    if (state.intraTeamMode == IntraTeamMode::On) {
        program.platform.showMessage(kIntraTeamOn, kAppTitle);
        return false;
    }
    if (state.viewedMeeting >= 1) {
        program.platform.showMessage(kViewingEarlier, kAppTitle);
        return false;
    }
    return true;
}

// A file chosen inside the working folder is kept by its path relative to
// the folder: the recent list holds only 32 characters of a path, which a
// full path on this system soon exceeds.
std::u16string inWorkingFolder(const Program& program, const std::u16string& chosen) {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::weakly_canonical(chosen, error);
    if (error) {
        return chosen;
    }
    const std::filesystem::path folder = std::filesystem::weakly_canonical(program.workDir, error);
    if (error) {
        return chosen;
    }
    const std::filesystem::path relative = file.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..") {
        return chosen;
    }
    return relative.u16string();
}

// A scratch file that cannot be written changes nothing: the meeting count
// and the target path stay those of the file still open.
void startScratchFile(Program& program) {
    if (createScratchFile(program)) {
        program.state.targetPath = kScratchFileName;
    }
}

void saveAs(Program& program, MainLayout& layout) {
    MeetingState& state = program.state;
    if (state.openName.empty()) {
        program.platform.beep();
        return;
    }
    const std::u16string chosen = inWorkingFolder(program, program.platform.chooseSaveFile());
    // A cancelled dialog, a declined overwrite or a failed copy changes
    // nothing, so the scratch-file warning at the end still sees the unsaved
    // file.
    if (!chosen.empty()) {
        if (copyMeetingFile(program, chosen)) {
            state.targetPath = chosen;
        }
        layout.selectTeam(program, 0);
    }
    enterWorkingFolder(program);
}

void open(Program& program, MainLayout& layout) {
    MeetingState& state = program.state;
    const std::u16string chosen = inWorkingFolder(program, program.platform.chooseOpenFile());
    if (!chosen.empty()) {
        state.targetPath = chosen;
        openWithQuestions(program, state.targetPath);
        layout.openedFileLabel = std::u16string(kOpenedFilePrefix) + state.currentPath;
        state.currentTeam = layout.selectedTeam == 0 ? 0 : 1;
        redraw(program);
    }
    enterWorkingFolder(program);
}

} // namespace

void newOrClose(Program& program, NewOrCloseMode mode) {
    MeetingState& state = program.state;
    Platform& platform = program.platform;
    const bool isNew = mode == NewOrCloseMode::New;
    if (state.openName.empty()) {
        if (isNew) {
            startScratchFile(program);
        }
        return;
    }
    if (isScratchPath(state.targetPath)) {
        if (!platform.askYesNo(kScratchWillBeLost, u"")) {
            return;
        }
        if (isNew) {
            startScratchFile(program);
        }
        return;
    }
    const bool saveAtOnce = isNew && platform.askYesNo(kDiscardCurrent, u"");
    if (!saveAtOnce) {
        std::error_code error;
        const bool exists =
            std::filesystem::exists(program.meetingFile.resolve(state.targetPath), error);
        if (exists && !platform.askYesNo(kOverwriteQuestion, u"")) {
            return;
        }
    }
    if (!saveMeetingTo(program, state.targetPath)) {
        return;
    }
    if (isNew) {
        startScratchFile(program);
    }
}

void openWithQuestions(Program& program, const std::u16string& path) {
    MeetingState& state = program.state;
    if (!state.openName.empty()) {
        const std::u16string_view question =
            isScratchPath(state.openName) ? kScratchWillBeLost : kDiscardCurrent;
        if (!program.platform.askYesNo(question, u"")) {
            return;
        }
    }
    openMeetingFile(program, path);
}

namespace {

void saveAndStartOver(Program& program, MainLayout& layout, NewOrCloseMode mode) {
    if (!guardsPass(program)) {
        return;
    }
    program.state.targetPath = program.state.currentPath;
    newOrClose(program, mode);
    // Team A is shown again, its tab selected.
    layout.selectTeam(program, 0);
}

} // namespace

void newMeeting(Program& program, MainLayout& layout) {
    saveAndStartOver(program, layout, NewOrCloseMode::New);
}

void openMeeting(Program& program, MainLayout& layout) {
    if (guardsPass(program)) {
        open(program, layout);
    }
}

void saveMeetingAs(Program& program, MainLayout& layout) {
    if (guardsPass(program)) {
        saveAs(program, layout);
    }
}

void closeMeeting(Program& program, MainLayout& layout) {
    saveAndStartOver(program, layout, NewOrCloseMode::Close);
}

FileOutcome exitProgram(Program& program) {
    if (guardsPass(program) && confirmEnd(program)) {
        finishRun(program);
        return FileOutcome::Quit;
    }
    return FileOutcome::Stay;
}

void openRecentFile(Program& program, int index) {
    // The entry is stored padded to 32 characters; the padding is not part of
    // the file name.
    std::u16string path = program.recent.entry(index);
    while (!path.empty() && path.back() == u' ') {
        path.pop_back();
    }
    if (!path.empty()) {
        openWithQuestions(program, path);
    }
    redraw(program);
}
