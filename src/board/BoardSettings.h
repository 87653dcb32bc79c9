#pragma once

#include <string>

class SettingsStore;

// The board window's choices, kept in the settings between runs.
struct BoardSettings {
    std::u16string screen;     // the name of the screen chosen for the board
    bool highContrast = false; // light text on dark
    bool standingsShown = false;
    int roundMinutes = 15; // the round timer's minutes, 1..99
};

BoardSettings loadBoardSettings(const SettingsStore& store);
void saveBoardSettings(SettingsStore& store, const BoardSettings& settings);
