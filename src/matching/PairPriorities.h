#pragma once

struct MeetingState;

// Recomputes the pair codes 0..4 of one team: among the members who are not
// resting, pairs of the least-played members are first class (0, or 2 while
// a member is in a running match); if there is none, pairs of a least-played
// with a second-least-played member are; every other open pair is second
// class (1, or 3 while playing); pairs with a resting member are 4. Codes 5
// and above are never touched. PlayedCount must already include the running
// matches.
void markPriorities(MeetingState& state, int team);
