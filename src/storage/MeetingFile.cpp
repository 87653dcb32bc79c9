#include "storage/MeetingFile.h"

#include "state/MeetingState.h"
#include "storage/ForeignFileCheck.h"
#include "storage/MeetingPacking.h"
#include "storage/RecentFiles.h"
#include "storage/RecordFile.h"
#include "text/Utf8.h"

#include <algorithm>
#include <system_error>

namespace {

// The number of meetings a file's record 1 claims, 0 read as 1.
long long meetingsClaimed(const MeetingRecord& first) {
    return first.count() == 0 ? 1 : first.count();
}

// The meetings a file holds: its claim cut to the whole records it has, so a
// file whose tail was lost still gives every meeting it kept. 0 for a
// negative claim.
long long meetingsHeld(const MeetingRecord& first, long long records) {
    const long long claimed = meetingsClaimed(first);
    return claimed >= 1 ? std::min(claimed, records) : 0;
}

bool samePlace(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ignored;
    return std::filesystem::equivalent(a, b, ignored);
}

} // namespace

MeetingFile::MeetingFile(MeetingState& state, RecentFiles& recent, std::filesystem::path workDir)
    : state_(state), recent_(recent), workDir_(std::move(workDir)) {}

void MeetingFile::packBuffer() {
    packMeeting(state_, buffer_);
}

void MeetingFile::unpackBuffer() {
    unpackMeeting(buffer_, state_);
}

std::filesystem::path MeetingFile::resolve(const std::u16string& path) const {
    const std::filesystem::path given(toUtf8(path));
    return given.is_absolute() ? given : workDir_ / given;
}

FileFault MeetingFile::writeMeeting(const std::filesystem::path& path, long long n,
                                    bool countToFirst) {
    MeetingRecord record = buffer_;
    MeetingRecord first;
    RecordFile file(MeetingRecord::kSize);
    bool done = n >= 1 && file.openForWriting(path);
    // Closed without finish(), the file gets none of this save.
    if (done && !file.created() && known_.changedUnderneath(path, file)) {
        return FileFault::ChangedUnderneath;
    }
    // A file removed since it was opened is made again around this meeting:
    // record 1, an empty meeting unless it is this one, carries the count,
    // so the file opens at this meeting again.
    const bool remade = done && file.created() && n > 1;
    if (remade) {
        MeetingState empty;
        resetMeeting(empty, ResetTarget::NewMeeting);
        packMeeting(empty, first);
    } else if (done && countToFirst) {
        done = file.read(1, first.bytes.data());
    }
    if (done) {
        if (n == 1) {
            record.setCount(state_.meetingCount);
        }
        packMeeting(state_, record);
        done = file.write(n, record.bytes.data());
    }
    if (done && (countToFirst || remade)) {
        first.setCount(state_.meetingCount);
        done = file.write(1, first.bytes.data());
    }
    done = file.finish() && done;
    if (!done) {
        return FileFault::CannotWrite;
    }
    buffer_ = countToFirst ? first : record;
    // A file made again, or saved to under a new name, is held from now on.
    if (holdsFiles_) {
        hold_.take(path);
    }
    known_.note(path, file.stamp());
    known_.noteRecord(n, record.bytes.data(), record.bytes.size());
    if (countToFirst || remade) {
        known_.noteRecord(1, first.bytes.data(), first.bytes.size());
    }
    return FileFault::None;
}

FileFault MeetingFile::mayWrite(const std::filesystem::path& path) const {
    return readOnly_ ? FileFault::ReadOnlyHere : heldElsewhere(path);
}

FileFault MeetingFile::heldElsewhere(const std::filesystem::path& path) const {
    return holdsFiles_ && hold_.heldByOtherCopy(path) ? FileFault::HeldElsewhere : FileFault::None;
}

void MeetingFile::holdOpenFile(const std::filesystem::path& path, const FileStamp& stamp) {
    const HoldResult held = holdsFiles_ ? hold_.take(path) : HoldResult::Unlockable;
    readOnly_ = held == HoldResult::HeldElsewhere;
    known_.note(path, stamp);
}

void MeetingFile::setHoldsFiles(bool holds) {
    holdsFiles_ = holds;
    if (!holds) {
        hold_.release();
    }
}

FileFault MeetingFile::saveMeeting(SaveTarget target) {
    const bool viewed = target == SaveTarget::ViewedMeeting;
    const long long n = viewed ? state_.viewedMeeting : state_.meetingCount;
    const bool countToFirst = target == SaveTarget::MeetingAndCount && state_.meetingCount > 1;
    const std::filesystem::path path = resolve(state_.currentPath);
    if (const FileFault refused = mayWrite(path); refused != FileFault::None) {
        return refused;
    }
    // A correction of an earlier meeting cannot make a removed file again:
    // the current meeting is not in the state to be written with it.
    std::error_code ignored;
    const bool gone = viewed && !std::filesystem::exists(path, ignored);
    return gone ? FileFault::CannotWrite : writeMeeting(path, n, countToFirst);
}

FileFault MeetingFile::saveMeetingTo(const std::u16string& path) {
    const std::filesystem::path file = resolve(path);
    FileFault fault = mayWrite(file);
    if (fault == FileFault::None) {
        fault = writeMeeting(file, state_.meetingCount, state_.meetingCount > 1);
    }
    if (fault != FileFault::None) {
        return fault;
    }
    state_.currentPath = path;
    recent_.add(path);
    return FileFault::None;
}

FileFault MeetingFile::readMeeting(int n) {
    MeetingRecord record;
    if (!readRecord(n, record)) {
        return FileFault::CannotRead;
    }
    buffer_ = record;
    unpackBuffer();
    return FileFault::None;
}

OpenResult MeetingFile::openMeetingFile(const std::u16string& path) {
    // Everything is read and checked before the state changes, so a file
    // that cannot be shown leaves the open meeting as it was.
    RecordFile file(MeetingRecord::kSize);
    MeetingRecord first;
    MeetingRecord newest;
    long long count = 0;
    if (file.openForReading(resolve(path)) && file.read(1, first.bytes.data())) {
        // Another program's file is refused before anything of it is shown,
        // so no later save can write into it.
        if (isForeignMeetingFile(first, file.recordCount(), file.endsInPartRecord())) {
            return {FileFault::NotAMeetingFile};
        }
        count = meetingsHeld(first, file.recordCount());
    }
    if (count >= 2 && !file.read(count, newest.bytes.data())) {
        count = 0;
    }
    if (count == 0) {
        return {FileFault::CannotRead};
    }
    MeetingState staged = state_;
    resetMeeting(staged, ResetTarget::NewMeeting);
    unpackMeeting(first, staged);
    staged.meetingCount = static_cast<std::int16_t>(count);
    if (count >= 2) {
        unpackMeeting(newest, staged);
    }
    state_ = std::move(staged);
    buffer_ = count >= 2 ? newest : first;
    state_.currentPath = path;
    recent_.add(path);
    state_.openName = state_.currentPath;
    holdOpenFile(resolve(path), file.stamp());
    known_.noteRecord(1, first.bytes.data(), first.bytes.size());
    if (count >= 2) {
        known_.noteRecord(count, newest.bytes.data(), newest.bytes.size());
    }
    return {FileFault::None, count < meetingsClaimed(first) ? count : 0};
}

FileFault MeetingFile::copyMeetingFile(const std::u16string& newPath, Overwrite overwrite) {
    const std::filesystem::path source = resolve(state_.currentPath);
    const std::filesystem::path target = resolve(newPath);
    if (newPath == state_.currentPath || samePlace(source, target)) {
        return FileFault::SameFile;
    }
    if (const FileFault held = heldElsewhere(target); held != FileFault::None) {
        return held;
    }
    std::error_code ignored;
    const bool existed = std::filesystem::exists(target, ignored);
    if (existed && overwrite == Overwrite::Refuse) {
        return FileFault::TargetExists;
    }
    RecordFile from(MeetingRecord::kSize);
    RecordFile to(MeetingRecord::kSize);
    MeetingRecord record;
    long long count = 0;
    bool cutShort = false;
    if (from.openForReading(source) && from.read(1, record.bytes.data())) {
        count = meetingsHeld(record, from.recordCount());
        cutShort = count < meetingsClaimed(record);
    }
    bool done = count >= 1 && to.openForWriting(target);
    for (long long r = 1; done && r <= count; ++r) {
        done = from.read(r, record.bytes.data());
        // The copy of a file whose tail was lost claims what it holds.
        if (r == 1 && cutShort) {
            record.setCount(static_cast<std::int16_t>(count));
        }
        done = done && to.write(r, record.bytes.data());
    }
    done = to.finish() && done;
    if (!done) {
        if (!existed) {
            std::filesystem::remove(target, ignored);
        }
        return FileFault::CannotWrite;
    }
    state_.currentPath = newPath;
    recent_.add(newPath);
    state_.openName = state_.currentPath;
    holdOpenFile(target, to.stamp());
    return FileFault::None;
}

FileFault MeetingFile::createScratchFile() {
    const std::filesystem::path scratch = resolve(std::u16string(kScratchFileName));
    if (const FileFault held = heldElsewhere(scratch); held != FileFault::None) {
        return held;
    }
    MeetingState staged = state_;
    resetMeeting(staged, ResetTarget::NewMeeting);
    staged.meetingCount = 1;
    MeetingRecord record;
    record.setCount(0);
    packMeeting(staged, record);
    RecordFile file(MeetingRecord::kSize);
    bool done = file.openForWriting(scratch);
    done = done && file.write(1, record.bytes.data());
    done = file.finish() && done;
    if (!done) {
        return FileFault::CannotWrite;
    }
    state_ = std::move(staged);
    buffer_ = record;
    state_.currentPath = kScratchFileName;
    state_.openName = state_.currentPath;
    holdOpenFile(scratch, file.stamp());
    known_.noteRecord(1, record.bytes.data(), record.bytes.size());
    return FileFault::None;
}

bool MeetingFile::readRecord(int n, MeetingRecord& record) const {
    RecordFile file(MeetingRecord::kSize);
    return file.openForReading(resolve(state_.currentPath)) && file.read(n, record.bytes.data());
}

int MeetingFile::recordsInFile() const {
    RecordFile file(MeetingRecord::kSize);
    if (!file.openForReading(resolve(state_.currentPath))) {
        return 0;
    }
    const long long records = file.recordCount();
    return records < 0 ? 0 : static_cast<int>(std::min<long long>(records, 1 << 30));
}

bool isScratchPath(std::u16string_view path) {
    return path.size() >= 3 && path.substr(path.size() - 3) == u"rlw";
}
