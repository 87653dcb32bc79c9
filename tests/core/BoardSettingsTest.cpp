#include "board/BoardSettings.h"
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
