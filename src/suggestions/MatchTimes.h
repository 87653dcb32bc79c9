#pragma once

#include "register/RegisterError.h"
#include "register/RegisterTypes.h"
#include "state/MeetingState.h"
#include "suggestions/MeetingReading.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
    // The register's reference of the roster member in a team's slot.
    using MemberLookup = std::function<MemberRef(const MeetingState&, int team, int slot)>;

    MatchTimes() = default;
    MatchTimes(ClubRegister* clubRegister, MemberLookup lookup)
        : register_(clubRegister), lookup_(std::move(lookup)) {}

    // Makes the times the state's meeting's, reading them from the
    // register's log when the meeting changed (the record calls do it
    // themselves; call it before reading the times after a restart).
    void follow(const MeetingState& state);

    // The match just started (the last running slot) starts at `now`.
    void recordStart(const MeetingState& state, long long now);
    // The match held in the picks ends at `now`; `played` when it ended with
    // a result (its sides then count as opponents).
    void recordEnd(const MeetingState& state, long long now, bool played);
    // The same with how it ended, as the match log keeps it (Finished when
    // played, Cancelled or Forfeited otherwise).
    void recordEnd(const MeetingState& state, long long now, MatchOutcome outcome);

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
    void readLog(const MeetingState& state);
    void noteEnd(const std::array<int, 4>& members, long long end, bool played, bool singles);
    std::array<std::vector<MemberRef>, 2> sidesOf(const MeetingState& state,
                                                  const std::array<SideMembers, 2>& sides) const;
    static int index(int team, int slot);

    ClubRegister* register_ = nullptr;
    MemberLookup lookup_;
    RegisterError lastError_;
    std::u16string path_;
    int meetingCount_ = -1;
    std::optional<long long> firstStart_;
    std::array<std::optional<long long>, 2 * kSlots> lastEnd_{};
    std::array<std::array<std::uint8_t, 2 * kSlots>, 2 * kSlots> opposed_{};
};
