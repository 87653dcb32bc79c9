#include "phones/PhoneSettings.h"

#include "storage/SettingsStore.h"
#include "text/Utf8.h"

#include <charconv>

namespace {

constexpr char16_t kSection[] = u"RgPhone";
constexpr char16_t kPort[] = u"Port";

} // namespace

int loadPhonePort(const SettingsStore& store) {
    const std::string text = toUtf8(store.value(kSection, kPort).value_or(u""));
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && port >= kLowestPhonePort && port <= kHighestPhonePort ? port
                                                                          : kDefaultPhonePort;
}

void savePhonePort(SettingsStore& store, int port) {
    store.setValue(kSection, kPort, fromUtf8(std::to_string(port)));
}
