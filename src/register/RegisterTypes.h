#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Times in the register are seconds since 1970-01-01 of the clock's calendar
// time, taken as it stands without a time zone (as secondsOf gives them).

// A member of the master as the register knows them: the master line
// (1..99) and the short name. A member removed from the master keeps their
// history under line 0.
struct MemberRef {
    int masterLine = 0;
    std::u16string abbrev; // without trailing blanks

    bool operator==(const MemberRef&) const = default;
};

enum class MemberType { Member, Trial, Guest };
inline constexpr std::array<MemberType, 3> kMemberTypes = {MemberType::Member, MemberType::Trial,
                                                           MemberType::Guest};
// 会員, 体験, ゲスト.
std::u16string_view memberTypeLabel(MemberType type);

inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 5;

// The register's fields of a member beside the master's own.
struct MemberProfile {
    MemberRef member;
    int level = 0; // 1..5; 0 not set (counts as the middle level 3 when sides are balanced)
    MemberType type = MemberType::Member;
};

enum class PairRuleKind {
    AlwaysPartner, // 固定ペア: preferred together when both are free
    NeverPartner,  // never put together as partners (a hard rule for suggestions)
    NotOpponents,  // should not meet as opponents
};

struct PairRule {
    MemberRef first;
    MemberRef second;
    PairRuleKind kind = PairRuleKind::NeverPartner;
};

// The fee per member type, in yen.
struct FeeTable {
    std::array<int, 3> fee{}; // by MemberType

    int feeOf(MemberType type) const { return fee[static_cast<std::size_t>(type)]; }
};

// One meeting of one data file: the file's path and the meeting number.
struct MeetingRef {
    std::u16string dataFile;
    int meeting = 0;

    bool operator==(const MeetingRef&) const = default;
};

enum class PresenceState { NotArrived, Present, OnBreak, Gone };

struct Break {
    long long from = 0;
    std::optional<long long> to; // nothing while the break lasts
};

// A member's check-in at one meeting.
struct Presence {
    MemberRef member;
    std::optional<long long> arrived;
    std::vector<Break> breaks;
    std::optional<long long> left;
    std::optional<long long> leavesAt; // announced leaving time
    MemberType type = MemberType::Member;
    int feeDue = 0;
    bool paid = false;

    // Where the member is at `now`: a member whose announced leaving time
    // has come counts as gone.
    PresenceState stateAt(long long now) const;
    // Seconds in the hall up to `now`, breaks left out.
    long long secondsPresent(long long now) const;
};

// A presence with its meeting, for season reports.
struct MeetingPresence {
    std::u16string dataFile;
    int meeting = 0;
    Presence presence;
};

enum class MatchOutcome { Running, Finished, Cancelled, Forfeited };

// One match of the log. In singles each side holds one member.
struct LoggedMatch {
    MeetingRef meeting;
    int court = 0; // running slot 1..10 when it started
    std::array<std::vector<MemberRef>, 2> sides;
    long long start = 0;
    std::optional<long long> end;
    MatchOutcome outcome = MatchOutcome::Running;
    int gamesFirst = 0; // games of side 0 and side 1 when finished
    int gamesSecond = 0;
};
