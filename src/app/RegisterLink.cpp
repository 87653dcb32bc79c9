#include "app/RegisterLink.h"

#include "app/Program.h"

void openClubRegister(Program& program) {
    static_cast<void>(program);
}

std::optional<MeetingRef> currentMeeting(const MeetingState& state) {
    if (state.meetingCount < 1 || state.viewedMeeting > 0) {
        return std::nullopt;
    }
    return MeetingRef{state.currentPath, state.meetingCount};
}

MemberRef memberRefOf(Program& program, int team, int slot) {
    static_cast<void>(program);
    static_cast<void>(team);
    static_cast<void>(slot);
    return {};
}

bool reportRegisterError(Program& program, const RegisterError& error) {
    static_cast<void>(program);
    return error.failed();
}
