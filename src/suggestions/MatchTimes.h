#pragma once

#include "state/MeetingState.h"
#include "suggestions/MeetingReading.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// A match that ended with a result: its sides, the running slot it held and
// when it ended.
struct PlayedMatch {
    std::array<SideMembers, 2> sides{};
    int slot = 0;
    long long end = 0;
};

// Seconds since 1970-01-01 of a calendar time as the clock gives it (taken
// as it stands, without a time zone).
long long secondsOf(const std::tm& moment);

// This meeting's match times and opponents, kept in memory only as matches
// start and end. A new run of the program starts with nothing: every free
// member has then waited equally. The log belongs to one meeting of one
// file and forgets itself when either changes.
class MatchTimes {
public:
    // The match just started (the last running slot) starts at `now`.
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

    // When the match on running slot `slot` started; nothing when it started
    // before this run or the log is not the state's meeting's.
    std::optional<long long> startOf(const MeetingState& state, int slot) const;
    // The matches that ended with a result at `since` or later, oldest
    // first (at most the last ten).
    std::vector<PlayedMatch> playedSince(const MeetingState& state, long long since) const;

private:
    void follow(const MeetingState& state);
    static int index(int team, int slot);

    std::u16string path_;
    int meetingCount_ = -1;
    std::optional<long long> firstStart_;
    std::array<std::optional<long long>, 2 * kSlots> lastEnd_{};
    std::array<std::array<std::uint8_t, 2 * kSlots>, 2 * kSlots> opposed_{};
    // The start of the running match each member plays in.
    std::array<std::optional<long long>, 2 * kSlots> playingSince_{};
    std::vector<PlayedMatch> played_;
};
