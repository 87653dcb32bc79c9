#include "board/BoardSettings.h"
#include "board/BoardScreen.h"
#include "storage/SettingsStore.h"

#include <gtest/gtest.h>

TEST(BoardSettings, KeptBetweenRunsAndBadValuesFallBack) {
    MemorySettingsStore store;
    const BoardSettings defaults = loadBoardSettings(store);
    EXPECT_EQ(defaults.screen, u"");
    EXPECT_FALSE(defaults.highContrast);
    EXPECT_FALSE(defaults.standingsShown);
    EXPECT_EQ(defaults.roundMinutes, 15);

    saveBoardSettings(store, {u"HDMI-1", true, true, 20});
    const BoardSettings read = loadBoardSettings(store);
    EXPECT_EQ(read.screen, u"HDMI-1");
    EXPECT_TRUE(read.highContrast);
    EXPECT_TRUE(read.standingsShown);
    EXPECT_EQ(read.roundMinutes, 20);

    for (const char16_t* bad : {u"0", u"abc", u"100", u"-5"}) {
        store.setValue(u"RgDsp", u"RgBoardRound", bad);
        EXPECT_EQ(loadBoardSettings(store).roundMinutes, 15) << static_cast<int>(bad[0]);
    }
}

TEST(BoardScreen, RememberedElseNotTheOrganisersElseNone) {
    struct Case {
        std::vector<std::u16string> screens;
        int organiser;
        std::u16string remembered;
        int expected;
    };
    const Case cases[] = {
        {{u"eDP-1"}, 0, u"", -1},
        {{u"eDP-1"}, 0, u"HDMI-1", -1},
        {{u"eDP-1", u"HDMI-1"}, 0, u"", 1},
        {{u"HDMI-1", u"eDP-1"}, 1, u"", 0},
        {{u"eDP-1", u"HDMI-1", u"DP-2"}, 0, u"DP-2", 2},
        {{u"eDP-1", u"HDMI-1"}, 0, u"eDP-1", 0}, // chosen on purpose
        {{u"eDP-1", u"HDMI-1"}, 0, u"DP-9", 1},  // gone: the other one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(boardScreenIndex(c.screens, c.organiser, c.remembered), c.expected)
            << c.screens.size() << ' ' << c.organiser;
    }
}
