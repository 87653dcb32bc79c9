#pragma once

#include <array>
#include <cstdint>
#include <string>

// The recent-file list of the File menu: up to five entries, most recent
// first, each exactly 32 characters (cut or padded with blanks).
class RecentFiles {
public:
    static constexpr int kMaxEntries = 5;
    static constexpr std::size_t kEntryLength = 32;

    void add(const std::u16string& path);

    // Entry i, 1-based, as stored (32 characters).
    const std::u16string& entry(int i) const { return captions_.at(i); }
    void setEntry(int i, const std::u16string& caption);

    std::int16_t entryCount = 0;
    std::int16_t loadedCount = 0;
    bool separatorVisible = false;

private:
    std::array<std::u16string, kMaxEntries + 1> captions_{};
};
