#include "board/BoardSettings.h"

#include "board/RoundTimer.h"
#include "storage/SettingsStore.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"

#include <algorithm>

namespace {

constexpr char16_t kSection[] = u"RgDsp";
constexpr char16_t kScreen[] = u"RgBoardScreen";
constexpr char16_t kContrast[] = u"RgBoardContrast";
constexpr char16_t kStandings[] = u"RgBoardStandings";
constexpr char16_t kRound[] = u"RgBoardRound";

bool flag(const SettingsStore& store, const char16_t* name) {
    return store.value(kSection, name).value_or(u"0") == u"1";
}

} // namespace

BoardSettings loadBoardSettings(const SettingsStore& store) {
    BoardSettings settings;
    settings.screen = store.value(kSection, kScreen).value_or(u"");
    settings.highContrast = flag(store, kContrast);
    settings.standingsShown = flag(store, kStandings);
    if (const auto minutes = store.value(kSection, kRound)) {
        const double read = leadingNumber(*minutes);
        if (read >= 1 && read <= RoundTimer::kMaxMinutes) {
            settings.roundMinutes = static_cast<int>(read);
        }
    }
    return settings;
}

void saveBoardSettings(SettingsStore& store, const BoardSettings& settings) {
    store.setValue(kSection, kScreen, settings.screen);
    store.setValue(kSection, kContrast, settings.highContrast ? u"1" : u"0");
    store.setValue(kSection, kStandings, settings.standingsShown ? u"1" : u"0");
    store.setValue(
        kSection, kRound,
        formatNumber(std::clamp(settings.roundMinutes, 1, RoundTimer::kMaxMinutes), u"0"));
}
