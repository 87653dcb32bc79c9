#pragma once

#include "register/RegisterError.h"
#include "register/RegisterTypes.h"
#include "state/MeetingState.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

class ClubRegister;

// Seconds since 1970-01-01 of a calendar time as the clock gives it (taken
// as it stands, without a time zone).
long long secondsOf(const std::tm& moment);

// This meeting's match times and opponents as matches start and end. With
// a club register every start and end also goes into its match log, and a
// new run of the program (or a return to the meeting) reads the meeting's
// matches back from it, so waits and opponents survive a restart; without
// one (or with a closed one) the times live in memory only and a new run
// starts with nothing: every free member has then waited equally. The
// times belong to one meeting of one file and are reread when either
// changes.
class MatchTimes {
public:
    explicit MatchTimes(ClubRegister* clubRegister = nullptr) : register_(clubRegister) {}

    // The match held in the picks starts at `now`.
    void recordStart(const MeetingState& state, long long now);
    // The match held in the picks ends at `now`; `played` when it ended with
    // a result (its sides then count as opponents).
    void recordEnd(const MeetingState& state, long long now, bool played);

    // Whether the log holds anything for the state's meeting.
    bool knowsMeeting(const MeetingState& state) const;
    // Since when the member has been free: the end of its last match, else
    // the start of the meeting's first match. Nothing when the log holds no
    // time for the state's meeting.
    std::optional<long long> freeSince(const MeetingState& state, int team, int slot) const;
    // Matches played against each other in this meeting (0 when the log is
    // not the state's meeting's).
    int opposedToday(const MeetingState& state, int teamA, int slotA, int teamB, int slotB) const;

    // The error of the register's last write (none when it saved or there
    // is no register), for the app layer to tell.
    const RegisterError& lastError() const { return lastError_; }

private:
    void follow(const MeetingState& state);
    void readLog(const MeetingState& state);
    static int index(int team, int slot);

    ClubRegister* register_ = nullptr;
    RegisterError lastError_;
    std::u16string path_;
    int meetingCount_ = -1;
    std::optional<long long> firstStart_;
    std::array<std::optional<long long>, 2 * kSlots> lastEnd_{};
    std::array<std::array<std::uint8_t, 2 * kSlots>, 2 * kSlots> opposed_{};
};
