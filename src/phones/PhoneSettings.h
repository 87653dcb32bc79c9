#pragma once

class SettingsStore;

// The players' page server's port, kept in the settings (section "RgPhone",
// value "Port"). The page itself is never switched on from the settings:
// every run starts with it off.
inline constexpr int kDefaultPhonePort = 8080;
inline constexpr int kLowestPhonePort = 1024;
inline constexpr int kHighestPhonePort = 65535;

// The saved port; the default when none is saved or the saved one is not a
// number between the lowest and the highest port.
int loadPhonePort(const SettingsStore& store);
void savePhonePort(SettingsStore& store, int port);
