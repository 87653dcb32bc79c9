#pragma once

#include "state/MeetingState.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the courtside board shows of tonight's meeting, as plain values: the
// board window and any other view of the hall render it without reading the
// meeting state. Every text is UTF-16, ready to show; photo file names are
// bare names in the working folder (empty when not even the default picture
// exists). Teams are 0 (team A) and 1 (team B).

// A member as the board shows it.
struct BoardMember {
    std::u16string name; // short name without padding
    int team = 0;
    std::string photoFile; // as the pairing confirmation looks it up
};

// One side of a court: one member in singles, two in doubles.
struct BoardSide {
    int team = 0;
    std::vector<BoardMember> members;
};

// A court card: a running match, or one that has just ended with a result.
struct CourtCard {
    int court = 0; // running slot 1..10 (for a finished match, the slot it held)
    std::array<BoardSide, 2> sides;
    // Whole minutes since the match started; nothing when it started
    // before this run of the program.
    std::optional<int> minutesPlayed;
    // The match ended with a result less than kFinishedShownSeconds ago;
    // games then holds the games won by side 0 and side 1.
    bool finished = false;
    std::array<int, 2> games{};
};

// One of the next suggested matches: the short names of each side.
struct NextMatch {
    std::array<std::vector<std::u16string>, 2> sides;
};

// A free member in 「待ち」 or a resting one (休).
struct WaitingMember {
    std::u16string name;
    int team = 0;
    int matchesPlayed = 0; // matches with a result tonight
    // Whole minutes since the member's last match ended (or since the
    // meeting's first match started); nothing when no time is known.
    std::optional<int> minutesWaited;
};

// A line of the standings panel.
struct StandingRow {
    int rank = 0;
    std::u16string name;
    int team = 0;
    int matches = 0;
    int wins = 0;    // draws not counted
    int winRate = 0; // whole percent
};

enum class StandingsGroup { Overall = 0, Men = 1, Women = 2 };

// The ranked members of a group, best first, at most kStandingsShown.
struct StandingsTable {
    StandingsGroup group = StandingsGroup::Overall;
    std::u16string title; // "総合", "男子", "女子"
    std::vector<StandingRow> rows;
};

inline constexpr int kFinishedShownSeconds = 10;
inline constexpr int kStandingsShown = 10;
inline constexpr int kNextMatchesShown = 3;

struct BoardContent {
    std::u16string title;     // the meeting title
    std::u16string clockText; // "19:05"
    MatchMethod matchMethod = MatchMethod::TwoTeamDoubles;
    // Two-team doubles: each side is drawn in its team's colour.
    bool teamColours = false;
    std::array<std::u16string, 2> teamNames;
    // The running matches by court, then the ones just finished, newest
    // first.
    std::vector<CourtCard> courts;
    // 「次の試合」: the suggestions as the suggestion panel has them, best
    // first, at most kNextMatchesShown.
    std::vector<NextMatch> nextMatches;
    // 「待ち」: every free member with a match played tonight, longest wait
    // first; members whose wait is unknown come last, in table order.
    std::vector<WaitingMember> waiting;
    // Resting members (休), in table order.
    std::vector<WaitingMember> resting;
    // Overall, men, women.
    std::array<StandingsTable, 3> standings;
};
