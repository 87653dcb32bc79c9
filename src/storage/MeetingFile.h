#pragma once

#include "storage/FileLocks.h"
#include "storage/KnownFile.h"
#include "storage/MeetingRecord.h"

#include <filesystem>
#include <string>

struct MeetingState;
class Platform;
class RecentFiles;

// The meeting data file: one MeetingRecord per meeting, record n at byte
// (n − 1) × 11712. Every operation opens the file, does its reads and
// writes, makes the writes reach the disk, and closes it before returning.
// A failure shows the operation's message through the platform and returns
// false; the state is left as far as the operation got, and a failed write
// never changes what the file held before.
//
// Paths in the state are texts; a relative one is taken from the working
// folder.
//
// The open data file is held against other copies of the program (see
// FileLocks.h). A file another copy holds opens read-only, said once, and
// every save into it is refused with a message. Before a save overwrites the
// file, it must still be what this copy last read or wrote; otherwise
// nothing is written, the user is told and may read the file again.
enum class SaveTarget { Meeting, MeetingAndCount, ViewedMeeting };

class MeetingFile {
public:
    MeetingFile(MeetingState& state, Platform& platform, RecentFiles& recent,
                std::filesystem::path workDir);

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
    // file fails.
    bool saveMeeting(SaveTarget target);
    // The save of New and Close: the current meeting into record
    // meetingCount of `path`, record 1's count made meetingCount; then `path`
    // is the current file and tops the recent list.
    bool saveMeetingTo(const std::u16string& path);
    bool readMeeting(int n);
    // A file whose record 1 claims more meetings than it holds whole records
    // (its tail was lost) opens at its last whole record with a warning; the
    // file itself is left as it is. A file that is not a meeting data file
    // (see ForeignFileCheck.h) is refused with its own message.
    bool openMeetingFile(const std::u16string& path);
    bool copyMeetingFile(const std::u16string& newPath);
    bool createScratchFile();

    // Reads record n without unpacking it (for the totals over all meetings).
    // Shows no message; returns false when the record cannot be read.
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
    enum class WriteOutcome { Written, Failed, ChangedUnderneath };

    // Writes the state as record n of the file; with `countToFirst` record 1
    // is read first and written back last with the count meetingCount.
    WriteOutcome writeMeeting(const std::filesystem::path& file, long long n, bool countToFirst);
    // False, with the reason shown, when `path` may not be written: the
    // open file is read-only here, or another copy holds `path`.
    bool mayWrite(const std::filesystem::path& path);
    // True, with the reason shown, when another copy holds `path`: a file
    // that may not be made or written here, whatever this copy holds.
    bool refusedAsHeldElsewhere(const std::filesystem::path& path);
    // Shows what a write that did not happen means; true for a written one.
    bool reportWrite(WriteOutcome outcome, std::u16string_view failure, std::u16string_view title);
    // `path` is now the open file, written or read here as `stamp` shows.
    void holdOpenFile(const std::filesystem::path& path, const FileStamp& stamp);

    MeetingState& state_;
    Platform& platform_;
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

// Asked before a save replaces an existing data file (Save As, Close).
inline constexpr std::u16string_view kOverwriteQuestion = u"既存のﾌｧｲﾙに上書きしますか ?";

// True when the path's last three characters are "rlw" (the scratch file).
bool isScratchPath(std::u16string_view path);
