#pragma once

#include <filesystem>

// Advisory locks on the program's files, taken on an open file description
// (OFD locks): the operating system drops them when the description is
// closed or the copy of the program holding it ends or crashes, so no file
// is ever left locked. Two descriptions conflict even inside one process,
// so two program objects in one test behave as two copies. The locks cover
// bytes far past any real end of file, so they never touch the data; two
// different ranges keep holding a file apart from taking a turn to save.

// Waits until no other description is saving into the file open as `fd`
// (opened for writing), then holds the turn until the description is
// closed. False when the file system offers no locks; the save then goes
// ahead as it always did.
bool waitForSaveTurn(int fd);

enum class HoldResult {
    Held,          // this copy holds the file
    HeldElsewhere, // another copy holds it
    Unlockable,    // it cannot be opened for writing, or offers no locks
};

// The data file a copy of the program has open, held against every other
// copy for as long as it stays open here.
class DataFileHold {
public:
    DataFileHold() = default;
    ~DataFileHold();
    DataFileHold(const DataFileHold&) = delete;
    DataFileHold& operator=(const DataFileHold&) = delete;

    // Holds `path` from now on, letting go of the file held before (unless
    // it is the same file, which stays held).
    HoldResult take(const std::filesystem::path& path);
    void release();
    // True when this copy holds the file at `path`.
    bool holds(const std::filesystem::path& path) const;
    // True when another copy holds the file at `path` (a missing file is
    // held by no one).
    bool heldByOtherCopy(const std::filesystem::path& path) const;

private:
    int fd_ = -1;
};
