#pragma once

#include <cstdint>
#include <string>

class RecentFiles;
class SettingsStore;

// What outlives a run besides the data files: display mode and the sizes of
// the main window and its grid (in twips; 0 = none saved).
struct DisplaySettings {
    std::u16string displayMode = u"1";
    std::int32_t windowHeight = 0;
    std::int32_t windowWidth = 0;
    std::int32_t gridHeight = 0;
    std::int32_t gridWidth = 0;

    int displayModeNumber() const;
};

// Reads the settings at start-up; a missing value yields its default.
void loadSettings(const SettingsStore& store, RecentFiles& recent, DisplaySettings& display);

// Writes them at the end; a failing store stops the save silently.
void saveSettings(SettingsStore& store, const RecentFiles& recent, const DisplaySettings& display);
