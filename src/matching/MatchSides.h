#pragma once

#include "storage/PictureLookup.h"

#include <array>
#include <filesystem>
#include <string>

struct MeetingState;

// The two sides of the picked match as the pairing confirmation and the
// result entry show them: a team name per side (Label2, Label5), the short
// names of the four members (Label3, Label4 for side 0; Label6, Label7 for
// side 1) and their pictures (Picture1..Picture4, same order).
struct MatchSides {
    std::array<std::u16string, 2> teamNames;
    std::array<std::u16string, 4> memberNames;
    std::array<PictureLookup, 4> pictures;
    // Singles hides the second member of each side (Label4, Label7,
    // Picture2, Picture4); their pictures are still looked up.
    bool partnersShown = true;
};

MatchSides loadMatchSides(const MeetingState& state, const std::filesystem::path& workDir);
