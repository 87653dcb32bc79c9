#pragma once

#include "storage/FileStamp.h"

#include <cstdint>
#include <filesystem>
#include <map>

class RecordFile;

// What this copy of the program last read from or wrote to one file: its
// stamp and the checksums of the records it saw. Before a save overwrites
// the file, it is compared with the file as it is now, so a change made
// by anything else (another copy, another program, a file copied over it)
// is noticed instead of silently overwritten.
class KnownFile {
public:
    // Starts over with the file at `path` as `stamp` shows it (an invalid
    // stamp: the file was missing).
    void note(const std::filesystem::path& path, const FileStamp& stamp);
    void noteRecord(long long n, const std::uint8_t* data, std::size_t size);
    // Nothing is known any more; the next save is not checked.
    void forget();

    // True when `file`, open for writing at `path` and holding the turn to
    // save, is no longer the file last seen there: another file, another
    // size or time, or a record seen that now holds other bytes (the time
    // alone may not tell two writes close together apart). A file never
    // seen, or seen under another path, has not changed as far as this copy
    // knows.
    bool changedUnderneath(const std::filesystem::path& path, const RecordFile& file) const;

private:
    bool seen_ = false;
    std::filesystem::path path_;
    FileStamp stamp_;
    std::map<long long, std::uint64_t> records_; // record number → checksum
};
