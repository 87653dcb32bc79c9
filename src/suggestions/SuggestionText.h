#pragma once

#include <string>
#include <vector>

struct MeetingState;
struct Suggestion;
class SettingsStore;

// The short names of each side of a suggestion, in the table's order (in
// singles the one cell is both sides, the column's member first).
std::vector<std::vector<std::u16string>> suggestionSides(const MeetingState& state,
                                                         const Suggestion& suggestion);

// "A2・A3 ＶＳ B1・B2".
std::u16string suggestionCaption(const MeetingState& state, const Suggestion& suggestion);

// Names joined by "・".
std::u16string joinedNames(const std::vector<std::u16string>& names);

// Whether the suggestion panel belongs on screen: not while an earlier
// meeting is shown.
bool suggestionsApply(const MeetingState& state);

// Whether suggestions can be drawn: the current meeting's own table is
// shown (not an earlier meeting, not the totals over all meetings).
bool suggestionsDrawable(const MeetingState& state);

// The 表示 menu's choice to show the suggestion panel, kept in the
// settings as it changes; shown unless turned off.
bool suggestionPanelWanted(const SettingsStore& store);
void rememberSuggestionPanel(SettingsStore& store, bool shown);
