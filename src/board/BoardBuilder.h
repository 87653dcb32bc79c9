#pragma once

#include "board/BoardContent.h"

#include <ctime>
#include <filesystem>
#include <vector>

class MatchTimes;
struct Suggestion;

// What the board is built from.
struct BoardInputs {
    // The meeting state as the main window holds it; the board takes
    // tonight's meeting from it (tonightMeeting).
    const MeetingState& meeting;
    // Tonight's match times; null when none are known.
    const MatchTimes* times = nullptr;
    // The next-match suggestions drawn on tonightMeeting(meeting), best first.
    std::vector<Suggestion> suggestions;
    std::tm now{};                 // the clock's moment
    std::filesystem::path workDir; // where the pictures are
};

// The board's content: the title, the clock, a card per running match and
// per match finished in the last kFinishedShownSeconds, the next matches,
// who waits and who rests, and the standings.
BoardContent buildBoardContent(const BoardInputs& inputs);
