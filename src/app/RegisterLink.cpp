#include "app/RegisterLink.h"

#include "app/Program.h"
#include "app/RegisterMessages.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "suggestions/MeetingReading.h"
#include "text/Utf8.h"

namespace {

std::u16string_view messageOf(RegisterFault fault) {
    switch (fault) {
    case RegisterFault::Locked:
        return kRegisterLockedMessage;
    case RegisterFault::ReadOnly:
        return kRegisterReadOnlyMessage;
    case RegisterFault::DiskFull:
        return kRegisterDiskFullMessage;
    default:
        return kRegisterFailedMessage;
    }
}

void tellOnce(Program& program, RegisterFault fault) {
    const unsigned bit = 1U << static_cast<unsigned>(fault);
    if ((program.registerFaultsTold & bit) != 0) {
        return;
    }
    program.registerFaultsTold |= bit;
    program.platform.showMessage(messageOf(fault), kAppTitle);
}

} // namespace

void openClubRegister(Program& program) {
    const ClubRegister::Opening opening =
        program.clubRegister.open(program.workDir, program.clock.now());
    switch (opening.result) {
    case ClubRegister::OpenResult::SetAside:
        program.platform.showMessage(std::u16string(kRegisterSetAsideMessage) +
                                         fromUtf8(opening.setAside.filename().string()),
                                     kAppTitle);
        break;
    case ClubRegister::OpenResult::Unavailable:
        tellOnce(program, opening.error.fault);
        break;
    case ClubRegister::OpenResult::Opened:
    case ClubRegister::OpenResult::Created:
        break;
    }
}

std::optional<MeetingRef> currentMeeting(const MeetingState& state) {
    if (state.meetingCount < 1 || state.viewedMeeting > 0 || state.currentPath.empty()) {
        return std::nullopt;
    }
    return MeetingRef{state.currentPath, state.meetingCount};
}

MemberRef memberRefOf(Program& program, int team, int slot) {
    const std::u16string name = memberKey(program.state, team, slot);
    return {program.masterLines.lineOf(name), name};
}

bool reportRegisterError(Program& program, const RegisterError& error) {
    if (!error.failed()) {
        return false;
    }
    if (error.fault != RegisterFault::Unavailable) {
        tellOnce(program, error.fault);
    }
    return true;
}
