#pragma once

#include "storage/SettingsStore.h"

#include <QSettings>

// The settings store on QSettings under the application key "RLY_TOOL":
// one group per section, one text value per name.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::u16string> value(const std::u16string& section,
                                        const std::u16string& name) const override;
    bool setValue(const std::u16string& section, const std::u16string& name,
                  const std::u16string& value) override;

private:
    mutable QSettings settings_;
};
