// Loads the settings from a store filled from the input, then saves them
// again. Each input line is one value: its first byte picks the value's
// name, its second whether the rest is UTF-8 or UTF-16 (little-endian).
#include "storage/RecentFiles.h"
#include "storage/Settings.h"
#include "storage/SettingsStore.h"
#include "text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

const std::pair<std::u16string_view, std::u16string_view> kNames[] = {
    {u"RgFile", u"RgFileNum"},   {u"RgFile", u"RgFileName1"}, {u"RgFile", u"RgFileName2"},
    {u"RgFile", u"RgFileName3"}, {u"RgFile", u"RgFileName4"}, {u"RgFile", u"RgFileName5"},
    {u"RgDsp", u"RgDspMode"},    {u"RgDsp", u"RgFormH"},      {u"RgDsp", u"RgFormW"},
    {u"RgDsp", u"RgGridH"},      {u"RgDsp", u"RgGridW"},
};

std::u16string textOf(std::string_view bytes, bool wide) {
    if (!wide) {
        return fromUtf8(bytes);
    }
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    MemorySettingsStore store;
    std::size_t start = 0;
    while (start + 2 <= input.size()) {
        std::size_t end = input.find('\n', start + 2);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        const auto pick = static_cast<unsigned char>(input[start]) % std::size(kNames);
        const bool wide = (static_cast<unsigned char>(input[start + 1]) & 1) != 0;
        store.setValue(std::u16string(kNames[pick].first), std::u16string(kNames[pick].second),
                       textOf(input.substr(start + 2, end - start - 2), wide));
        start = end + 1;
    }
    RecentFiles recent;
    DisplaySettings display;
    loadSettings(store, recent, display);
    recent.add(u"club.rly");
    MemorySettingsStore saved;
    saveSettings(saved, recent, display);
    return 0;
}
