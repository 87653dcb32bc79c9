#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

class Clock;
class Platform;

// The activity log "tennis.log" in the working folder: 84-byte records, the
// entry count in record 1's first field, each entry a numbered, time-stamped
// line of at most 80 characters.
class ActivityLog {
public:
    ActivityLog(Platform& platform, const Clock& clock, std::filesystem::path workDir);

    bool append(const std::u16string& text);
    void readEntryCount();
    // The viewer's text, newest entry first, lines ended by CR LF. Empty and
    // false after a failure, which it has reported.
    bool readText(std::u16string& text);
    // Restarts the log at entry 1 with "ｸﾘｱｰ" (after the caller's question).
    void clear();

    std::int32_t entryCount = 0;

private:
    // Appends after the file's last entry, or with `restart` as entry 1.
    bool appendEntry(const std::u16string& text, bool restart);

    Platform& platform_;
    const Clock& clock_;
    std::filesystem::path path_;
};
