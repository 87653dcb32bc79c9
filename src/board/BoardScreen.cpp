#include "board/BoardScreen.h"

int boardScreenIndex(const std::vector<std::u16string>& screens, int organiserScreen,
                     const std::u16string& remembered) {
    const int count = static_cast<int>(screens.size());
    if (count < 2) {
        return -1;
    }
    for (int i = 0; i < count && !remembered.empty(); ++i) {
        if (screens[static_cast<std::size_t>(i)] == remembered) {
            return i;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (i != organiserScreen) {
            return i;
        }
    }
    return -1;
}
