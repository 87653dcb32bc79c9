#pragma once

#include "register/RegisterTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct MeetingState;
class MatchTimes;
class SeasonHistory;

// What the club register knows of tonight's members (matched to the
// roster by short name): levels, pair rules and check-ins.
struct ClubFacts {
    std::vector<MemberProfile> profiles;
    std::vector<PairRule> rules;
    std::vector<Presence> presence; // this meeting's; empty when nobody checked in
};

// What the next-match suggestions are drawn from.
struct SuggestionContext {
    const MeetingState& meeting;
    const SeasonHistory& history;
    // This meeting's match times and opponents; null when none are known.
    const MatchTimes* times = nullptr;
    long long now = 0; // seconds, as secondsOf gives them
    std::uint64_t seed = 0;
    // The register's facts; null when the register is closed.
    const ClubFacts* club = nullptr;
};

// A cell of the pairing table to double-click: the shown team, column and row.
struct PickCell {
    int team = 0;
    int column = 0;
    int row = 0;
};

struct Suggestion {
    // The cells in the order they are double-clicked: one in singles, two
    // otherwise (in two-team doubles team A's first).
    std::vector<PickCell> cells;
    // One line per side, e.g. 「佐藤・鈴木：本日1試合・待ち18分・今季初ペア」.
    std::vector<std::u16string> reasons;

    // The reason lines joined by "／".
    std::u16string reasonText() const;
};

// The best `count` whole matches the organiser could start now through the
// normal picks: only cells the pairing table lets the organiser pick, never
// a resting or playing member, never two members of a never-partner rule as
// partners, and, when the club register holds check-ins for the meeting,
// only members present now (arrived, not on a break, not gone, not past
// their announced leaving time). Best first, by these rules in turn:
//  1. fewest matches played today (running ones included): first the
//     matches made of more ● pairs, then the fewest matches over their
//     players, so that a ● match that can fill the court is never passed
//     over. With check-ins known, the ● marks (raw counts) are left out and
//     each player counts matches per hour present instead (in quarter
//     steps, at least half an hour present), so late comers, breaks and
//     early leavers are weighed by the time they were there;
//  2. the longest wait since each player's last match ended (or since the
//     meeting's first match), summed in whole ten-minute steps so that a
//     minute's difference does not outrank the rules below;
//  3. the fewest broken soft pair rules: players facing a member they
//     should not meet, players split from a free always-partner;
//  4. partners who have partnered least in earlier meetings (the square of
//     the count, so nobody partners a third time while others have not
//     twice), recent meetings weighing more; an always-partner pair costs
//     nothing;
//  5. opponents met least today and this season (squares again, today's
//     weighing more);
//  6. the smallest difference of the two sides' summed levels (a member
//     without a level counts as 3);
//  7. a stable tie-break drawn from the seed, never the order of the table.
// Nothing while an earlier meeting is shown.
std::vector<Suggestion> suggestMatches(const SuggestionContext& context, int count);
