#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

// The per-user settings store: text values under the application key
// "RLY_TOOL", a section and a value name. The window program keeps it in
// QSettings; tests and the command-line tool in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::u16string> value(const std::u16string& section,
                                                const std::u16string& name) const = 0;
    // Returns false when the store cannot be written.
    virtual bool setValue(const std::u16string& section, const std::u16string& name,
                          const std::u16string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::u16string> value(const std::u16string& section,
                                        const std::u16string& name) const override;
    bool setValue(const std::u16string& section, const std::u16string& name,
                  const std::u16string& value) override;

private:
    std::map<std::pair<std::u16string, std::u16string>, std::u16string> values_;
};

inline constexpr char16_t kSettingsApplication[] = u"RLY_TOOL";
