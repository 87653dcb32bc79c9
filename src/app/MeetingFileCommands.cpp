#include "app/MeetingFileCommands.h"

#include "app/Program.h"
#include "app/StorageMessages.h"
#include "platform/Platform.h"

namespace {

// Shows why a save did not happen; true for one that did. A file changed
// under this copy is not written; the user may read it again.
bool reportSave(Program& program, FileFault fault, std::u16string_view failure,
                std::u16string_view title) {
    Platform& platform = program.platform;
    switch (fault) {
    case FileFault::None:
        return true;
    case FileFault::ReadOnlyHere:
        platform.showMessage(kReadOnlyNoSave, kAppTitle);
        break;
    case FileFault::HeldElsewhere:
        platform.showMessage(kTargetHeldElsewhere, kAppTitle);
        break;
    case FileFault::ChangedUnderneath:
        if (platform.askYesNo(kChangedUnderneath, kAppTitle)) {
            const std::u16string path = program.state.currentPath;
            openMeetingFile(program, path);
        }
        break;
    default:
        platform.showMessage(failure, title);
        break;
    }
    return false;
}

} // namespace

bool saveMeeting(Program& program, SaveTarget target) {
    return reportSave(program, program.meetingFile.saveMeeting(target), kMeetingWriteError,
                      kAppTitle);
}

bool saveMeetingTo(Program& program, const std::u16string& path) {
    return reportSave(program, program.meetingFile.saveMeetingTo(path), kMeetingCloseError, u"");
}

bool createScratchFile(Program& program) {
    return reportSave(program, program.meetingFile.createScratchFile(), kMeetingCloseError, u"");
}

bool readMeeting(Program& program, int n) {
    if (program.meetingFile.readMeeting(n) != FileFault::None) {
        program.platform.showMessage(kMeetingOpenError, kEditorTitle);
        return false;
    }
    return true;
}

bool openMeetingFile(Program& program, const std::u16string& path) {
    Platform& platform = program.platform;
    const OpenResult opened = program.meetingFile.openMeetingFile(path);
    if (opened.fault != FileFault::None) {
        platform.showMessage(opened.fault == FileFault::NotAMeetingFile ? kNotAMeetingFile
                                                                        : kMeetingOpenError,
                             kAppTitle);
        return false;
    }
    if (opened.cutShortTo > 0) {
        platform.showMessage(cutShortWarning(opened.cutShortTo), kAppTitle);
    }
    if (program.meetingFile.readOnly()) {
        platform.showMessage(kOpenedReadOnly, kAppTitle);
    }
    return true;
}

bool copyMeetingFile(Program& program, const std::u16string& newPath) {
    Platform& platform = program.platform;
    FileFault fault = program.meetingFile.copyMeetingFile(newPath, Overwrite::Refuse);
    if (fault == FileFault::TargetExists) {
        if (!platform.askYesNo(kOverwriteQuestion, kAppTitle)) {
            return false;
        }
        fault = program.meetingFile.copyMeetingFile(newPath, Overwrite::Allow);
    }
    switch (fault) {
    case FileFault::None:
        return true;
    case FileFault::SameFile:
        platform.beep();
        break;
    case FileFault::HeldElsewhere:
        platform.showMessage(kTargetHeldElsewhere, kAppTitle);
        break;
    default:
        platform.showMessage(kMeetingOpenError, kAppTitle);
        break;
    }
    return false;
}
