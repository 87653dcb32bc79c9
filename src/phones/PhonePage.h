#pragma once

#include "board/BoardContent.h"
#include "phones/PhoneRoster.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the players' page shows, taken from the board's content. It has no
// place for anything that is only the organiser's business: no file or
// picture names, no log, no master data (phone numbers, addresses, memos),
// only the short names the board shows.

struct PhoneCourt {
    int court = 0;
    std::array<int, 2> teams{};
    std::array<std::vector<std::u16string>, 2> sides;
    std::optional<int> minutesPlayed;
    // Just ended with a result: games holds the games of side 0 and side 1.
    bool finished = false;
    std::array<int, 2> games{};
};

enum class PlayerState {
    Playing, // on a court now
    Next,    // in one of the next suggested matches
    Waiting, // free, not among the next suggested matches
    Resting, // 休
};

// One participant as the page's "my name" view shows them.
struct PhonePlayer {
    std::u16string name;
    int team = 0;
    PlayerState state = PlayerState::Waiting;
    int court = 0;        // Playing: the court
    int matchesAhead = 0; // Next: suggested matches before theirs (0 = the next one)
    int matchesPlayed = 0;
    std::optional<int> minutesWaited;
};

struct PhonePage {
    std::u16string title;
    std::u16string clockText;
    bool teamColours = false;
    std::array<std::u16string, 2> teamNames;
    std::vector<PhoneCourt> courts;
    std::vector<NextMatch> nextMatches;
    std::vector<WaitingMember> waiting;
    std::vector<WaitingMember> resting;
    std::array<StandingsTable, 3> standings;
    // Every participant once: those on the courts, in the next matches,
    // waiting, resting, then the rest of the roster (free, no match yet).
    std::vector<PhonePlayer> players;
};

// The page from the board's content and tonight's roster (tonightRoster).
PhonePage buildPhonePage(const BoardContent& board, const std::vector<RosterName>& roster);
