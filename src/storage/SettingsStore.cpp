#include "storage/SettingsStore.h"

std::optional<std::u16string> MemorySettingsStore::value(const std::u16string& section,
                                                         const std::u16string& name) const {
    const auto found = values_.find({section, name});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemorySettingsStore::setValue(const std::u16string& section, const std::u16string& name,
                                   const std::u16string& value) {
    values_[{section, name}] = value;
    return true;
}
