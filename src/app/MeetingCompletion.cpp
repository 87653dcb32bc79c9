#include "app/MeetingCompletion.h"

#include "app/Program.h"
#include "app/RegisterMessages.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "register/RegisterBackup.h"
#include "text/NumberPattern.h"

#include <memory>

namespace {

// The refusals both commands share, in the order they are tested.
bool refused(Program& program) {
    const MeetingState& state = program.state;
    const char16_t* message = nullptr;
    if (state.intraTeamMode == IntraTeamMode::On) {
        message = u"１チーム制が宣言されています。解除後ご実行して下さい。";
    } else if (state.viewState == ViewState::Totals) {
        message = u"合計表示中です。";
    } else if (state.meetingCount < 1) {
        message = u"データが作成されていません。";
    } else if (state.viewedMeeting > 0) {
        message = u"前回表示中です。表示を戻してから実行して下さい。";
    } else if (state.runningCount > 0) {
        message = u"試合中のﾃﾞｰﾀがあります。終了、ｷｬﾝｾﾙ後実行して下さい。";
    }
    if (message != nullptr) {
        program.platform.showMessage(message, kAppTitle);
        return true;
    }
    return false;
}

void logMeetingNumber(Program& program, std::u16string_view what) {
    program.log.append(std::u16string(what) + formatNumber(program.state.meetingCount, u"##0") +
                       u"回 " + program.state.currentPath);
}

// A dated copy of the data file, the master and the register in backup/;
// a failure is told and changes nothing else.
void backUpCompletedMeeting(Program& program) {
    const std::vector<std::filesystem::path> files = {
        program.meetingFile.resolve(program.state.currentPath), program.workDir / kMasterFileName};
    if (backupMeetingFiles(program.workDir, files, program.clubRegister, program.clock.now())) {
        program.platform.showMessage(kBackupFailedMessage, kAppTitle);
    }
}

} // namespace

bool completeMeeting(Program& program) {
    if (refused(program)) {
        return false;
    }
    if (!program.platform.askYesNo(u"現在の全ての組合せを終了します。よろしいですか ?",
                                   kAppTitle)) {
        return false;
    }
    MeetingState& state = program.state;
    // The meeting is cleared only once its record holds it.
    if (!program.meetingFile.saveMeeting(SaveTarget::Meeting)) {
        return false;
    }
    const auto before = std::make_unique<MeetingState>(state);
    resetMeeting(state, ResetTarget::MatchData);
    ++state.meetingCount;
    if (!program.meetingFile.saveMeeting(SaveTarget::MeetingAndCount)) {
        // The file still ends with the completed meeting: stay on it.
        state = *before;
        return false;
    }
    logMeetingNumber(program, u"完了報告 ");
    backUpCompletedMeeting(program);
    return true;
}

bool undoCompletion(Program& program) {
    if (refused(program)) {
        return false;
    }
    MeetingState& state = program.state;
    if (state.meetingCount < 2) {
        program.platform.showMessage(u"完了データが作成されていません。", kAppTitle);
        return false;
    }
    if (!program.platform.askYesNo(u"現在のデータを前回の組合せ試合状態に戻します。現在の組合せデー"
                                   u"タは削除されます。よろしいですか ?",
                                   kAppTitle)) {
        return false;
    }
    const auto before = std::make_unique<MeetingState>(state);
    --state.meetingCount;
    // Record 1 takes the lower count, so the next start opens the meeting
    // gone back to; a record that cannot be read or a count that cannot be
    // written replaces nothing.
    if (!program.meetingFile.readMeeting(state.meetingCount) ||
        !program.meetingFile.saveMeeting(SaveTarget::MeetingAndCount)) {
        state = *before;
        return false;
    }
    logMeetingNumber(program, u"完了戻し ");
    return true;
}
