#pragma once

#include <array>
#include <cstdint>
#include <string>

// The recent-file list of the File menu: up to five entries, most recent
// first. An entry is the whole path, padded with blanks to 32 characters
// when it is shorter; the menu shows only its first 32 characters.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 5;
    static constexpr std::size_t kEntryLength = 32;

    void add(const std::u16string& path);

    // Entry i, 1-based, as stored.
    const std::u16string& entry(int i) const { return captions_.at(i); }
    // Entry i as the menu shows it: its first 32 characters.
    std::u16string caption(int i) const { return captions_.at(i).substr(0, kEntryLength); }
    // A path as an entry: padded to 32 characters, never cut.
    static std::u16string entryOf(const std::u16string& path);
    void setEntry(int i, const std::u16string& caption);

    std::int16_t entryCount = 0;
    std::int16_t loadedCount = 0;
    bool separatorVisible = false;

private:
    std::array<std::u16string, kMaxEntries + 1> captions_{};
};
