#include "storage/Settings.h"
#include "storage/RecentFiles.h"
#include "storage/SettingsStore.h"
#include "text/FixedText.h"

#include <gtest/gtest.h>

namespace {

std::u16string entryOf(std::u16string_view path) {
    return fitText(path, 32);
}

std::vector<std::u16string> entries(const RecentFiles& recent) {
    std::vector<std::u16string> list;
    for (int i = 1; i <= recent.entryCount; ++i) {
        list.push_back(recent.entry(i));
    }
    return list;
}

} // namespace

TEST(Settings, EmptyStoreGivesDefaults) {
    MemorySettingsStore store;
    RecentFiles recent;
    DisplaySettings display;
    display.windowHeight = 55;
    loadSettings(store, recent, display);
    EXPECT_EQ(recent.entryCount, 0);
    EXPECT_EQ(recent.loadedCount, 0);
    EXPECT_EQ(display.displayMode, u"1");
    EXPECT_EQ(display.windowHeight, 0);
    EXPECT_EQ(display.gridWidth, 0);
}

TEST(Settings, SavedTextFormsAndRoundTrip) {
    MemorySettingsStore store;
    RecentFiles recent;
    recent.add(u"a.rly");
    recent.add(u"取りあえず.rlw");
    recent.add(u"c.rly");
    DisplaySettings display;
    display.windowHeight = 9000;
    display.windowWidth = 12000;
    display.gridHeight = -15;
    saveSettings(store, recent, display);
    const auto value = [&](const char16_t* section, const char16_t* name) {
        return store.value(section, name).value_or(u"<missing>");
    };
    EXPECT_EQ(value(u"RgFile", u"RgFileNum"), u"3");
    EXPECT_EQ(value(u"RgFile", u"RgFileName1"), entryOf(u"c.rly"));
    EXPECT_EQ(value(u"RgFile", u"RgFileName2"), entryOf(u"取りあえず.rlw"));
    EXPECT_EQ(value(u"RgFile", u"RgFileName4"), std::u16string(32, u' '));
    EXPECT_EQ(value(u"RgFile", u"RgFileName5"), std::u16string(32, u' '));
    EXPECT_EQ(value(u"RgDsp", u"RgDspMode"), u" 1");
    EXPECT_EQ(value(u"RgDsp", u"RgFormH"), u" 9000");
    EXPECT_EQ(value(u"RgDsp", u"RgGridH"), u"-15");
    EXPECT_EQ(value(u"RgDsp", u"RgGridW"), u" 0");

    RecentFiles loaded;
    DisplaySettings read;
    loadSettings(store, loaded, read);
    EXPECT_EQ(entries(loaded), entries(recent));
    EXPECT_EQ(loaded.loadedCount, 3);
    EXPECT_EQ(read.displayModeNumber(), 1);
    EXPECT_EQ(read.windowWidth, 12000);
    EXPECT_EQ(read.gridHeight, -15);
}

TEST(Settings, DamagedValuesReadAsTheirLeadingNumber) {
    MemorySettingsStore store;
    store.setValue(u"RgFile", u"RgFileNum", u"9x");
    store.setValue(u"RgFile", u"RgFileName2", u"b.rly");
    store.setValue(u"RgFile", u"RgFileName3", std::u16string(32, u' '));
    store.setValue(u"RgDsp", u"RgDspMode", u"zwei");
    store.setValue(u"RgDsp", u"RgFormH", u" 12abc");
    store.setValue(u"RgDsp", u"RgFormW", u"99999999999999");
    RecentFiles recent;
    DisplaySettings display;
    loadSettings(store, recent, display);
    EXPECT_EQ(recent.entryCount, 5);
    EXPECT_EQ(recent.entry(2), u"b.rly");
    EXPECT_EQ(recent.entry(3), u"");
    EXPECT_EQ(display.displayModeNumber(), 0);
    EXPECT_EQ(display.windowHeight, 12);
    EXPECT_EQ(display.windowWidth, 2147483647);
    recent.add(u"new.rly");
    EXPECT_EQ(recent.entryCount, 5);

    store.setValue(u"RgFile", u"RgFileNum", u"-4");
    loadSettings(store, recent, display);
    EXPECT_EQ(recent.entryCount, 0);
}
