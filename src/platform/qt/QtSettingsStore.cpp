#include "platform/qt/QtSettingsStore.h"

namespace {

QString key(const std::u16string& section, const std::u16string& name) {
    return QString::fromStdU16String(section) + u'/' + QString::fromStdU16String(name);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope,
                QString::fromUtf16(kSettingsApplication),
                QString::fromUtf16(kSettingsApplication)) {}

std::optional<std::u16string> QtSettingsStore::value(const std::u16string& section,
                                                     const std::u16string& name) const {
    const QVariant stored = settings_.value(key(section, name));
    if (!stored.isValid()) {
        return std::nullopt;
    }
    return stored.toString().toStdU16String();
}

bool QtSettingsStore::setValue(const std::u16string& section, const std::u16string& name,
                               const std::u16string& value) {
    settings_.setValue(key(section, name), QString::fromStdU16String(value));
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}
