#pragma once

#include "state/MeetingState.h"

#include <cstdint>
#include <string>

// The few facts the suggestion engine, the match times and the simulation
// read from the meeting state. Every read goes through here, so that a
// change of a field's type touches this file only.

// How the next match is made up, as the picks allow it.
enum class MatchShape {
    TwoTeamDoubles, // a pair of team A against a pair of team B
    OneTeamDoubles, // two pairs of the shown team (one-team doubles, intra-team mode)
    Singles,        // one member of team A against another
};

MatchShape matchShapeOf(const MeetingState& state);

// The team whose table the one-team picks are made on: team A in singles,
// the shown team otherwise.
int oneTeamPickTeam(const MeetingState& state);

// The number of members of a team, 0..20.
int memberCount(const MeetingState& state, int team);

bool isMemberResting(const MeetingState& state, int team, int slot);

// The member's short name without trailing blanks and NULs; "#team:slot"
// when the name is empty, so that every member has a key.
std::u16string memberKey(const MeetingState& state, int team, int slot);

// The member's short name as the table shows it (trailing blanks cut).
std::u16string memberName(const MeetingState& state, int team, int slot);

std::int16_t pairCode(const MeetingState& state, int team, int a, int b);

// Matches played by the member, column 21 of the result table.
std::int32_t playedCount(const MeetingState& state, int team, int slot);

// The stored score code of a pair cell (0 when none).
std::int32_t pairResult(const MeetingState& state, int team, int a, int b);

int runningMatchCount(const MeetingState& state);

// One side of running slot k: team and both members (the second is the
// opponent in singles).
struct SideMembers {
    int team = 0;
    int member1 = 0;
    int member2 = 0;
};
SideMembers runningSide(const MeetingState& state, int slot, int side);
SideMembers pickedSide(const MeetingState& state, int side);

bool isEarlierMeetingShown(const MeetingState& state);
