#include "storage/Settings.h"

#include "storage/RecentFiles.h"
#include "storage/SettingsStore.h"
#include "text/FixedText.h"
#include "text/LeadingNumber.h"
#include "text/Rounding.h"
#include "text/Utf8.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

constexpr char16_t kFileSection[] = u"RgFile";
constexpr char16_t kDisplaySection[] = u"RgDsp";

// A stored number is read as the number its text begins with, so a damaged
// value gives a number, never a failure.
std::int32_t numberOf(const std::u16string& text) {
    const long long value = roundHalfEven(leadingNumber(text));
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::u16string valueOr(const SettingsStore& store, const std::u16string& section,
                       const std::u16string& name, std::u16string_view fallback) {
    return store.value(section, name).value_or(std::u16string(fallback));
}

std::u16string fileNameKey(int k) {
    return u"RgFileName" + fromUtf8(std::to_string(k));
}

// Numbers of the display section carry one leading blank when not negative.
std::u16string signedText(std::int32_t value) {
    const std::u16string digits = fromUtf8(std::to_string(value));
    return value < 0 ? digits : u" " + digits;
}

} // namespace

int DisplaySettings::displayModeNumber() const {
    return numberOf(displayMode);
}

void loadSettings(const SettingsStore& store, RecentFiles& recent, DisplaySettings& display) {
    display.windowHeight = 0;
    const int count = std::clamp<int>(numberOf(valueOr(store, kFileSection, u"RgFileNum", u"0")), 0,
                                      RecentFiles::kMaxEntries);
    for (int k = 1; k <= RecentFiles::kMaxEntries; ++k) {
        const std::u16string name = valueOr(store, kFileSection, fileNameKey(k), u"");
        if (name.find_first_not_of(u' ') != std::u16string::npos) {
            recent.setEntry(k, name);
        }
    }
    display.displayMode = valueOr(store, kDisplaySection, u"RgDspMode", u"1");
    display.windowHeight = numberOf(valueOr(store, kDisplaySection, u"RgFormH", u"0"));
    display.windowWidth = numberOf(valueOr(store, kDisplaySection, u"RgFormW", u"0"));
    display.gridHeight = numberOf(valueOr(store, kDisplaySection, u"RgGridH", u"0"));
    display.gridWidth = numberOf(valueOr(store, kDisplaySection, u"RgGridW", u"0"));
    recent.entryCount = static_cast<std::int16_t>(count);
    recent.loadedCount = static_cast<std::int16_t>(count);
}

void saveSettings(SettingsStore& store, const RecentFiles& recent, const DisplaySettings& display) {
    const int count = std::clamp<int>(recent.entryCount, 0, RecentFiles::kMaxEntries);
    if (!store.setValue(kFileSection, u"RgFileNum", fromUtf8(std::to_string(count)))) {
        return;
    }
    for (int k = 1; k <= RecentFiles::kMaxEntries; ++k) {
        const std::u16string path = k <= count ? recent.entry(k) : std::u16string();
        if (!store.setValue(kFileSection, fileNameKey(k), RecentFiles::entryOf(path))) {
            return;
        }
    }
    const std::pair<const char16_t*, std::int32_t> numbers[] = {
        {u"RgDspMode", display.displayModeNumber()},
        {u"RgFormH", display.windowHeight},
        {u"RgFormW", display.windowWidth},
        {u"RgGridH", display.gridHeight},
        {u"RgGridW", display.gridWidth},
    };
    for (const auto& [name, value] : numbers) {
        if (!store.setValue(kDisplaySection, name, signedText(value))) {
            return;
        }
    }
}
