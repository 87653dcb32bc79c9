#include "storage/RecentFiles.h"
#include "storage/Settings.h"
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

TEST(RecentFiles, SixthFileDropsTheOldest) {
    RecentFiles recent;
    for (char16_t c = u'1'; c <= u'6'; ++c) {
        recent.add(std::u16string(u"f") + c + u".rly");
    }
    EXPECT_TRUE(recent.separatorVisible);
    EXPECT_EQ(recent.loadedCount, 5);
    EXPECT_EQ(entries(recent), (std::vector<std::u16string>{entryOf(u"f6.rly"), entryOf(u"f5.rly"),
                                                            entryOf(u"f4.rly"), entryOf(u"f3.rly"),
                                                            entryOf(u"f2.rly")}));
}

TEST(RecentFiles, KnownFileMovesToTheTopWithoutDuplication) {
    RecentFiles recent;
    recent.add(u"a.rly");
    recent.add(u"b.rly");
    recent.add(u"c.rly");
    recent.add(u"b.rly");
    EXPECT_EQ(entries(recent), (std::vector<std::u16string>{entryOf(u"b.rly"), entryOf(u"c.rly"),
                                                            entryOf(u"a.rly")}));
    recent.add(u"b.rly");
    EXPECT_EQ(recent.entryCount, 3);
}

TEST(RecentFiles, LongPathIsKeptWholeAndOnlyTheMenuCaptionIsCut) {
    RecentFiles recent;
    const std::u16string path = u"/home/club/試合/2026/autumn/meeting-long.rly";
    recent.add(path);
    EXPECT_EQ(recent.entry(1), path);
    EXPECT_EQ(recent.caption(1), path.substr(0, 32));
    MemorySettingsStore store;
    DisplaySettings display;
    saveSettings(store, recent, display);
    RecentFiles loaded;
    loadSettings(store, loaded, display);
    EXPECT_EQ(loaded.entry(1), path);
}
