#include "suggestions/SuggestionText.h"

#include "state/MeetingState.h"
#include "storage/SettingsStore.h"
#include "suggestions/MeetingReading.h"
#include "suggestions/SuggestionEngine.h"

namespace {

constexpr char16_t kDisplaySection[] = u"RgDsp";
constexpr char16_t kPanelValue[] = u"RgSuggest";

} // namespace

std::vector<std::vector<std::u16string>> suggestionSides(const MeetingState& state,
                                                         const Suggestion& suggestion) {
    std::vector<std::vector<std::u16string>> sides;
    for (const PickCell& cell : suggestion.cells) {
        const std::u16string column = memberName(state, cell.team, cell.column);
        const std::u16string row = memberName(state, cell.team, cell.row);
        if (suggestion.cells.size() == 1) {
            sides = {{column}, {row}};
        } else {
            sides.push_back({row, column});
        }
    }
    return sides;
}

std::u16string joinedNames(const std::vector<std::u16string>& names) {
    std::u16string text;
    for (const std::u16string& name : names) {
        text += (text.empty() ? u"" : u"・") + name;
    }
    return text;
}

std::u16string suggestionCaption(const MeetingState& state, const Suggestion& suggestion) {
    std::u16string text;
    for (const auto& side : suggestionSides(state, suggestion)) {
        text += (text.empty() ? u"" : u" ＶＳ ") + joinedNames(side);
    }
    return text;
}

bool suggestionsApply(const MeetingState& state) {
    return !isEarlierMeetingShown(state);
}

bool suggestionsDrawable(const MeetingState& state) {
    return suggestionsApply(state) && state.viewState != ViewState::Totals;
}

bool suggestionPanelWanted(const SettingsStore& store) {
    return store.value(kDisplaySection, kPanelValue).value_or(u"1") != u"0";
}

void rememberSuggestionPanel(SettingsStore& store, bool shown) {
    store.setValue(kDisplaySection, kPanelValue, shown ? u"1" : u"0");
}
