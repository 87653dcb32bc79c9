#pragma once

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
    // file itself is left as it is.
    bool openMeetingFile(const std::u16string& path);
    bool copyMeetingFile(const std::u16string& newPath);
    bool createScratchFile();

    // Reads record n without unpacking it (for the totals over all meetings).
    // Shows no message; returns false when the record cannot be read.
    bool readRecord(int n, MeetingRecord& record) const;

    // The number of whole records the file at currentPath holds (0 when it
    // cannot be read).
    int recordsInFile() const;

    MeetingRecord& buffer() { return buffer_; }
    std::filesystem::path resolve(const std::u16string& path) const;
    const std::filesystem::path& workDir() const { return workDir_; }

private:
    // Writes the state as record n of the file; with `countToFirst` record 1
    // is read first and written back last with the count meetingCount.
    bool writeMeeting(const std::filesystem::path& file, long long n, bool countToFirst);

    MeetingState& state_;
    Platform& platform_;
    RecentFiles& recent_;
    std::filesystem::path workDir_;
    MeetingRecord buffer_;
};

// The scratch file a new, unnamed meeting lives in.
inline constexpr std::u16string_view kScratchFileName = u"取りあえず.rlw";

// Asked before a save replaces an existing data file (Save As, Close).
inline constexpr std::u16string_view kOverwriteQuestion = u"既存のﾌｧｲﾙに上書きしますか ?";

// True when the path's last three characters are "rlw" (the scratch file).
bool isScratchPath(std::u16string_view path);
