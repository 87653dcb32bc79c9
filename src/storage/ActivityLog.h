#pragma once

#include "storage/FileFault.h"

#include <cstdint>
#include <filesystem>
#include <string>

class Clock;

// The activity log "tennis.log" in the working folder: 84-byte records, the
// entry count in record 1's first field, each entry a numbered, time-stamped
// line of at most 80 characters. Failures are returned as FileFaults, shown
// by app/LogCommands.
class ActivityLog {
public:
    ActivityLog(const Clock& clock, std::filesystem::path workDir);

    FileFault append(const std::u16string& text);
    // Takes entryCount from the file (0 for a missing one); CannotRead, with
    // entryCount left as it was, when the file cannot be read.
    FileFault readEntryCount();
    // True when the log holds more entries than it should before a clear.
    bool overflowing() const;
    // The viewer's text, newest entry first, lines ended by CR LF. Empty
    // after a failure.
    FileFault readText(std::u16string& text);
    // Restarts the log at entry 1 with "ｸﾘｱｰ" (after the caller's question).
    FileFault clear();

    std::int32_t entryCount = 0;

private:
    // Appends after the file's last entry, or with `restart` as entry 1.
    FileFault appendEntry(const std::u16string& text, bool restart);

    const Clock& clock_;
    std::filesystem::path path_;
};
