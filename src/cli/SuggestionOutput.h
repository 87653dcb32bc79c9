#pragma once

#include <ostream>
#include <vector>

struct MeetingState;
struct Suggestion;

// Text: one line per suggestion, TAB-separated: rank, the two sides'
// members (joined by "・"), the reason lines joined by "／".
void writeSuggestionsText(const MeetingState& state, const std::vector<Suggestion>& suggestions,
                          std::ostream& out);

// One JSON object: the meeting number and the suggestions, each with its
// rank, the cells to pick (team "A"/"B", column, row), the sides' members
// and the reason lines.
void writeSuggestionsJson(const MeetingState& state, const std::vector<Suggestion>& suggestions,
                          std::ostream& out);
