#pragma once

#include <string>
#include <vector>

struct MeetingState;

// A participant of tonight as the page lists them for "my name".
struct RosterName {
    std::u16string name;
    int team = 0;
};

// Every participant of the meeting (tonightMeeting) who can play, in table
// order: both teams, or team A alone in singles.
std::vector<RosterName> tonightRoster(const MeetingState& tonight);
