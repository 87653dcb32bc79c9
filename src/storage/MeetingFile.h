#pragma once

#include "storage/FileFault.h"
#include "storage/FileLocks.h"
#include "storage/KnownFile.h"
#include "storage/MeetingRecord.h"

#include <filesystem>
#include <string>

struct MeetingState;
class RecentFiles;

// The meeting data file: one MeetingRecord per meeting, record n at byte
// (n − 1) × 11712. Every operation opens the file, does its reads and
// writes, makes the writes reach the disk, and closes it before returning.
// A failure is returned as a FileFault (shown by app/MeetingFileCommands);
// the state is left as far as the operation got, and a failed write never
// changes what the file held before.
//
// Paths in the state are texts; a relative one is taken from the working
// folder.
//
// The open data file is held against other copies of the program (see
// FileLocks.h). A file another copy holds opens read-only, said once, and
// every save into it is refused (ReadOnlyHere). Before a save overwrites the
// file, it must still be what this copy last read or wrote; otherwise
// nothing is written (ChangedUnderneath).
enum class SaveTarget { Meeting, MeetingAndCount, ViewedMeeting };

// Whether a copy may replace a file that is already there.
enum class Overwrite { Refuse, Allow };

// What opening a data file did.
struct [[nodiscard]] OpenResult {
    FileFault fault = FileFault::None;
    // A file whose tail was lost: the meetings it opened with; else 0.
    long long cutShortTo = 0;
};

class MeetingFile {
public:
    MeetingFile(MeetingState& state, RecentFiles& recent, std::filesystem::path workDir);

    // Copies between the state and the record buffer. packBuffer overwrites
    // only the fields it copies (teams 0 and 1, result columns 0..28), so the
    // rest of the buffer goes out as it was last read. Code 8 is written as 0.
    void packBuffer();
    void unpackBuffer();

    // Meeting and MeetingAndCount: the current meeting into record
    // meetingCount (MeetingAndCount also updates record 1's count);
    // ViewedMeeting: the viewed earlier meeting into record viewedMeeting. A
    // file removed since it was opened is made again around the current
    // meeting (record 1 carries the count); a ViewedMeeting save into a removed
    // file fails (CannotWrite).
    FileFault saveMeeting(SaveTarget target);
    // The save of New and Close: the current meeting into record
    // meetingCount of `path`, record 1's count made meetingCount; then `path`
    // is the current file and tops the recent list.
    FileFault saveMeetingTo(const std::u16string& path);
    FileFault readMeeting(int n);
    // A file whose record 1 claims more meetings than it holds whole records
    // (its tail was lost) opens at its last whole record (cutShortTo); the
    // file itself is left as it is. A file that is not a meeting data file
    // (see ForeignFileCheck.h) is refused (NotAMeetingFile).
    OpenResult openMeetingFile(const std::u16string& path);
    // Copies the open file to `newPath`, which then is the open file. Refused
    // onto the open file itself (SameFile), onto a file another copy holds,
    // and, unless `overwrite` allows it, onto an existing file (TargetExists).
    FileFault copyMeetingFile(const std::u16string& newPath, Overwrite overwrite);
    FileFault createScratchFile();

    // Reads record n without unpacking it (for the totals over all meetings).
    // Returns false when the record cannot be read.
    bool readRecord(int n, MeetingRecord& record) const;

    // The number of whole records the file at currentPath holds (0 when it
    // cannot be read).
    int recordsInFile() const;

    // True when the file was held by another copy when it was opened here.
    bool readOnly() const { return readOnly_; }
    // Whether opening a file holds it against other copies (on by default);
    // a program that never writes turns it off, which lets go of a file
    // held.
    void setHoldsFiles(bool holds);

    MeetingRecord& buffer() { return buffer_; }
    std::filesystem::path resolve(const std::u16string& path) const;
    const std::filesystem::path& workDir() const { return workDir_; }

private:
    // Writes the state as record n of the file; with `countToFirst` record 1
    // is read first and written back last with the count meetingCount.
    FileFault writeMeeting(const std::filesystem::path& file, long long n, bool countToFirst);
    // Why `path` may not be written: the open file is read-only here, or
    // another copy holds `path`; None when it may.
    FileFault mayWrite(const std::filesystem::path& path) const;
    // HeldElsewhere when another copy holds `path`: a file that may not be
    // made or written here, whatever this copy holds.
    FileFault heldElsewhere(const std::filesystem::path& path) const;
    // `path` is now the open file, written or read here as `stamp` shows.
    void holdOpenFile(const std::filesystem::path& path, const FileStamp& stamp);

    MeetingState& state_;
    RecentFiles& recent_;
    std::filesystem::path workDir_;
    MeetingRecord buffer_;
    DataFileHold hold_;
    KnownFile known_;
    bool holdsFiles_ = true;
    bool readOnly_ = false;
};

// The scratch file a new, unnamed meeting lives in.
inline constexpr std::u16string_view kScratchFileName = u"取りあえず.rlw";

// True when the path's last three characters are "rlw" (the scratch file).
bool isScratchPath(std::u16string_view path);
