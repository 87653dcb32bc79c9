#pragma once

#include "storage/FileStamp.h"
#include "storage/RecordJournal.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

// A file of fixed-size records, record n (n >= 1) at byte (n − 1) × size,
// opened for one operation and closed by the destructor. Every read and
// write is checked for its full count. All writes of the program's files go
// through write() and finish(), so the write path is in this one place.
//
// Writes are gathered and reach the file together in finish(), which first
// writes them to a journal beside the file (see RecordJournal.h) and syncs
// it, then writes them in place and syncs the file, then marks the journal
// done. A crash or power cut at any moment therefore leaves either the old
// records or, through the journal, the new ones: opening the file finishes
// a save that a complete journal records. A write that fails puts back what
// the records held and the file's old size, so a failed save changes
// nothing.
//
// Saves into one file take turns, across every copy of the program: opening
// for writing waits until no other save into the file is under way and
// holds the turn until the file is closed, so two saves never interleave
// inside a record or share the journal.
class RecordFile {
public:
    explicit RecordFile(std::size_t recordSize) : recordSize_(recordSize) {}
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file for reading only; apart from finishing an
    // interrupted save, a file that is only read is never changed.
    bool openForReading(const std::filesystem::path& path);

    // Whether openForReading may finish an interrupted save in place (on by
    // default). A program that must never change a file turns it off; its
    // reads then see the journal's records over the file's, as they would
    // be once the save is finished.
    static void setFinishSavesWhenReading(bool allowed);
    // Opens the file for reading and writing. A missing file is made under
    // a temporary name ("<file>.new") and appears, whole, only when finish()
    // succeeds.
    bool openForWriting(const std::filesystem::path& path);
    // True when openForWriting found no file and makes a new one.
    bool created() const { return created_; }

    std::size_t recordSize() const { return recordSize_; }
    // The file's stamp while it is open; after finish(), the stamp it was
    // left with (taken before the turn to save is given up).
    FileStamp stamp() const;

    // The number of whole records the file holds (-1 on error).
    long long recordCount() const;
    // True when part of a record follows the whole ones.
    bool endsInPartRecord() const;

    // Reads the whole record n from the file; false when it is missing or
    // short. Writes not yet finished are not seen.
    bool read(long long n, std::uint8_t* data) const;
    // Gathers the whole record n for finish(); false when the file is not
    // open or n is not a record number.
    bool write(long long n, const std::uint8_t* data);

    // Makes the gathered writes reach the disk and closes the file; false
    // when any step fails (the file then holds what it held before). A file
    // closed without finish() gets none of the gathered writes.
    bool finish();

private:
    std::filesystem::path newPath() const;
    // Opens "<file>.new" for a missing file. False when the file appeared
    // meanwhile (made by another copy) and is to be opened as it is; true
    // otherwise, with fd_ −1 on failure.
    bool openNew();
    bool commit();
    // Completes the save that the journal `bytes` (read from beside the
    // file) records when it is complete; with `clearUnusable` a journal that
    // does not fit the file (it belongs to an older copy of it) is marked
    // done. A torn journal is never used: its save had not touched the file.
    void finishInterruptedSave(int fd, const std::vector<std::uint8_t>& bytes,
                               bool clearUnusable) const;
    // Keeps the records of a complete journal that fits the open file, for
    // reads that must not finish the save in place.
    void overlayInterruptedSave(const std::vector<std::uint8_t>& bytes);

    std::size_t recordSize_;
    int fd_ = -1;
    std::filesystem::path path_;
    bool created_ = false;
    journal::Records pending_;
    journal::Contents overlay_;
    FileStamp finished_;
};
