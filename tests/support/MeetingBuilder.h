#pragma once

#include "state/MeetingState.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Builds meetings in memory the way the program's commands leave them: an
// opened file's reset state, results written as result entry writes them,
// forfeits, running matches.
class MeetingBuilder {
public:
    // A file just opened: resetMeeting(0), the given team sizes and method,
    // names "A1".."A20" / "B1".."B20", meeting 1 of 1.
    MeetingBuilder(int sizeA, int sizeB, int method = 0);

    MeetingState& state() { return *state_; }

    MeetingBuilder& name(int team, int slot, std::u16string_view abbrev);
    // Names all twenty slots of both teams as clubs write short names: family
    // and given names, kana, half-width kana and Latin letters, up to the
    // eight characters a short name holds.
    MeetingBuilder& clubNames();
    MeetingBuilder& woman(int team, int slot);
    MeetingBuilder& resting(int team, int slot);

    // Two-team doubles: pair (a1, a2) of team A against (b1, b2) of team B.
    MeetingBuilder& twoTeam(int a1, int a2, int b1, int b2, int gamesA, int gamesB);
    // Doubles inside one team: pair (p1, p2) against (q1, q2).
    MeetingBuilder& oneTeam(int team, int p1, int p2, int q1, int q2, int games0, int games1);
    // Singles in team A: c against r.
    MeetingBuilder& singles(int c, int r, int gamesC, int gamesR);
    MeetingBuilder& forfeit(int team, int a, int b);
    // A running two-team match in the next slot, pairs marked 8.
    MeetingBuilder& runningTwoTeam(int a1, int a2, int b1, int b2);

private:
    std::unique_ptr<MeetingState> state_;
};

// Redraws each meeting as the program does before saving it, so that the
// stored standings columns are filled.
void computeStandings(MeetingState& meeting);

// Writes the meetings as records 1..N of a data file whose record 1 says N.
void writeMeetingFile(const std::filesystem::path& file,
                      const std::vector<const MeetingState*>& meetings);
