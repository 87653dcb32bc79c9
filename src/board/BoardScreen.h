#pragma once

#include <string>
#include <vector>

// The screen the board opens on, from the screens' names in order, the
// index of the organiser's screen and the name remembered from an earlier
// choice: the remembered screen when it is there; else, with two screens or
// more, the first that is not the organiser's; else -1 (a window on the
// organiser's screen).
int boardScreenIndex(const std::vector<std::u16string>& screens, int organiserScreen,
                     const std::u16string& remembered);
