#include "app/AttendanceCommands.h"

#include "app/Program.h"
#include "platform/Platform.h"
#include "storage/WholeFile.h"

AttendanceReport currentAttendanceReport(Program& program) {
    if (!program.clubRegister.isOpen() || program.state.currentPath.empty()) {
        return {};
    }
    return buildAttendanceReport(program.clubRegister.seasonPresence(program.state.currentPath),
                                 program.clubRegister.profiles());
}

bool saveAttendanceCsv(Program& program) {
    const std::u16string chosen = program.platform.chooseCsvSaveFile(u"出欠.csv");
    if (chosen.empty()) {
        return false;
    }
    const std::string csv = "\xEF\xBB\xBF" + attendanceCsv(currentAttendanceReport(program));
    if (!writeWholeFile(program.meetingFile.resolve(chosen), csv)) {
        program.platform.showMessage(u"CSV ﾌｧｲﾙを書き込むときにｴﾗｰが発生しました。", kAppTitle);
        return false;
    }
    return true;
}
