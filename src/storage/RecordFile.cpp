#include "storage/RecordFile.h"

#include "storage/FileLocks.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr int kCreateAttempts = 3;

long long fileSize(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

bool readAll(int fd, std::uint8_t* data, std::size_t size, off_t at) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, data + done, size - done, at + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size, off_t at) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::pwrite(fd, data + done, size - done, at + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

off_t offsetOf(long long n, std::size_t recordSize) {
    return static_cast<off_t>(n - 1) * static_cast<off_t>(recordSize);
}

// Writes each record's bytes (a whole record, or the part of one that lay
// before the old end of the file) at its place.
bool writeRecords(int fd, std::size_t recordSize, const journal::Records& records) {
    return std::all_of(records.begin(), records.end(), [&](const auto& entry) {
        return writeAll(fd, entry.second.data(), entry.second.size(),
                        offsetOf(entry.first, recordSize));
    });
}

// A new or removed name reaches the disk only when its folder is synced.
bool syncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Opens the journal beside a file, making it when missing. It is kept
// between saves and overwritten in place, so syncing it mostly writes data
// only; a new one's folder entry is synced once.
int openJournal(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 && !syncFolderOf(path)) {
        ::close(fd);
        return -1;
    }
    if (fd < 0 && errno == EEXIST) {
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    }
    return fd;
}

// Marks a journal as done by clearing its first bytes. Not synced: a done
// journal that comes back after a power cut holds the records the file
// already has, and completing it again changes nothing.
void clearJournal(int fd) {
    const std::array<std::uint8_t, journal::kMagicSize> zeros{};
    writeAll(fd, zeros.data(), zeros.size(), 0);
}

// The journal beside a file when it may hold a save not yet finished.
bool readLiveJournal(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const long long size = fileSize(fd);
    std::array<std::uint8_t, journal::kMagicSize> first{};
    bool live = size >= static_cast<long long>(first.size()) &&
                readAll(fd, first.data(), first.size(), 0) && journal::isLive(first.data());
    if (live) {
        bytes.resize(static_cast<std::size_t>(size));
        live = readAll(fd, bytes.data(), bytes.size(), 0);
    }
    ::close(fd);
    return live;
}

} // namespace

RecordFile::~RecordFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        if (created_) {
            ::unlink(newPath().c_str());
        }
    }
}

std::filesystem::path RecordFile::newPath() const {
    std::filesystem::path path = path_;
    path += ".new";
    return path;
}

namespace {
bool finishSavesWhenReading = true;
} // namespace

void RecordFile::setFinishSavesWhenReading(bool allowed) {
    finishSavesWhenReading = allowed;
}

bool RecordFile::openForReading(const std::filesystem::path& path) {
    path_ = path;
    std::vector<std::uint8_t> live;
    const bool interrupted = readLiveJournal(journal::pathOf(path), live);
    if (interrupted && finishSavesWhenReading) {
        // A save under way in another copy is waited for; it may have
        // finished its journal by the time this copy has the turn.
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd >= 0) {
            waitForSaveTurn(fd);
            if (readLiveJournal(journal::pathOf(path), live)) {
                finishInterruptedSave(fd, live, false);
            }
            ::close(fd);
        }
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0 && interrupted && !finishSavesWhenReading) {
        overlayInterruptedSave(live);
    }
    return fd_ >= 0;
}

void RecordFile::overlayInterruptedSave(const std::vector<std::uint8_t>& bytes) {
    journal::Contents contents;
    const long long size = fileSize(fd_);
    if (journal::decode(bytes, recordSize_, contents) && size >= 0 &&
        static_cast<std::uint64_t>(size) >= contents.sizeBefore &&
        static_cast<std::uint64_t>(size) <= contents.sizeAfter) {
        overlay_ = std::move(contents);
    }
}

bool RecordFile::openForWriting(const std::filesystem::path& path) {
    path_ = path;
    // Another copy may make the missing file meanwhile; it is then opened
    // again, as an existing one.
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd_ >= 0) {
            waitForSaveTurn(fd_);
            std::vector<std::uint8_t> live;
            if (readLiveJournal(journal::pathOf(path), live)) {
                finishInterruptedSave(fd_, live, true);
            }
            return true;
        }
        if (errno != ENOENT || openNew()) {
            return fd_ >= 0;
        }
    }
    return false;
}

bool RecordFile::openNew() {
    // A new file is written under a temporary name and renamed into place
    // by finish(), so a crash never leaves it empty or part-written. It is
    // emptied only once this copy has the turn to save: another copy may be
    // writing it.
    fd_ = ::open(newPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        return true;
    }
    waitForSaveTurn(fd_);
    struct stat named {};
    const FileStamp held = stampOf(fd_);
    const bool stillNew = ::stat(newPath().c_str(), &named) == 0 &&
                          static_cast<std::uint64_t>(named.st_ino) == held.inode &&
                          static_cast<std::uint64_t>(named.st_dev) == held.device;
    std::error_code ignored;
    if (stillNew && !std::filesystem::exists(path_, ignored)) {
        // A journal left by a file that is gone does not belong to the new
        // one.
        created_ = true;
        ::unlink(journal::pathOf(path_).c_str());
        if (::ftruncate(fd_, 0) != 0) {
            ::close(fd_);
            fd_ = -1;
            ::unlink(newPath().c_str());
        }
        return true;
    }
    if (stillNew) {
        ::unlink(newPath().c_str());
    }
    ::close(fd_);
    fd_ = -1;
    return false;
}

FileStamp RecordFile::stamp() const {
    return fd_ >= 0 ? stampOf(fd_) : finished_;
}

long long RecordFile::recordCount() const {
    const long long size = fd_ < 0 ? -1 : fileSize(fd_);
    const long long seen = std::max(size, static_cast<long long>(overlay_.sizeAfter));
    return size < 0 ? -1 : seen / static_cast<long long>(recordSize_);
}

bool RecordFile::endsInPartRecord() const {
    const long long size = fd_ < 0 ? -1 : fileSize(fd_);
    const long long seen = std::max(size, static_cast<long long>(overlay_.sizeAfter));
    return size >= 0 && seen % static_cast<long long>(recordSize_) != 0;
}

bool RecordFile::read(long long n, std::uint8_t* data) const {
    if (fd_ < 0 || n < 1) {
        return false;
    }
    if (const auto found = overlay_.records.find(n); found != overlay_.records.end()) {
        std::copy(found->second.begin(), found->second.end(), data);
        return true;
    }
    if (readAll(fd_, data, recordSize_, offsetOf(n, recordSize_))) {
        return true;
    }
    // A record the interrupted save would have put beyond the file's end
    // without writing it reads as zeros, as it will once the save is done.
    const bool insideSave =
        n * static_cast<long long>(recordSize_) <= static_cast<long long>(overlay_.sizeAfter);
    if (insideSave) {
        std::fill(data, data + recordSize_, std::uint8_t{0});
    }
    return insideSave;
}

bool RecordFile::write(long long n, const std::uint8_t* data) {
    if (fd_ < 0 || n < 1) {
        return false;
    }
    pending_[n].assign(data, data + recordSize_);
    return true;
}

bool RecordFile::finish() {
    if (fd_ < 0) {
        return false;
    }
    bool done = true;
    if (created_) {
        // Named while still open: the turn to save lasts until the file has
        // its name, so a copy waiting for it finds the file made.
        done = writeRecords(fd_, recordSize_, pending_) && ::fsync(fd_) == 0 &&
               ::rename(newPath().c_str(), path_.c_str()) == 0 && syncFolderOf(path_);
        if (!done) {
            ::unlink(newPath().c_str());
        }
    } else if (!pending_.empty()) {
        done = commit();
    }
    pending_.clear();
    finished_ = stampOf(fd_);
    done = ::close(fd_) == 0 && done;
    fd_ = -1;
    return done;
}

bool RecordFile::commit() {
    journal::Contents contents;
    const long long before = fileSize(fd_);
    if (before < 0) {
        return false;
    }
    contents.sizeBefore = static_cast<std::uint64_t>(before);
    const long long lastEnd = pending_.rbegin()->first * static_cast<long long>(recordSize_);
    contents.sizeAfter = static_cast<std::uint64_t>(std::max(before, lastEnd));
    // What the records held before, put back when writing them fails.
    journal::Records old;
    for (const auto& [n, bytes] : pending_) {
        const off_t start = offsetOf(n, recordSize_);
        if (start < before) {
            auto& held = old[n];
            held.resize(static_cast<std::size_t>(
                std::min<long long>(before - start, static_cast<long long>(recordSize_))));
            if (!readAll(fd_, held.data(), held.size(), start)) {
                return false;
            }
        }
    }
    contents.records = pending_;
    const std::vector<std::uint8_t> bytes = journal::encode(recordSize_, contents);
    const int journalFd = openJournal(journal::pathOf(path_));
    if (journalFd < 0) {
        return false;
    }
    if (!writeAll(journalFd, bytes.data(), bytes.size(), 0) || ::fdatasync(journalFd) != 0) {
        clearJournal(journalFd);
        ::close(journalFd);
        return false;
    }
    bool done = writeRecords(fd_, recordSize_, pending_) && ::fdatasync(fd_) == 0;
    // With the old records and size back the journal is void; if they
    // cannot be put back, it completes the save at the next open instead,
    // so the file is never left torn.
    if (done || (writeRecords(fd_, recordSize_, old) && ::ftruncate(fd_, before) == 0 &&
                 ::fdatasync(fd_) == 0)) {
        clearJournal(journalFd);
    }
    ::close(journalFd);
    return done;
}

void RecordFile::finishInterruptedSave(int fd, const std::vector<std::uint8_t>& bytes,
                                       bool clearUnusable) const {
    const std::filesystem::path journalPath = journal::pathOf(path_);
    journal::Contents contents;
    const long long size = fileSize(fd);
    const bool fits = journal::decode(bytes, recordSize_, contents) && size >= 0 &&
                      static_cast<std::uint64_t>(size) >= contents.sizeBefore &&
                      static_cast<std::uint64_t>(size) <= contents.sizeAfter;
    const bool finished =
        fits && writeRecords(fd, recordSize_, contents.records) && ::fdatasync(fd) == 0;
    if (finished || (!fits && clearUnusable)) {
        const int journalFd = ::open(journalPath.c_str(), O_WRONLY | O_CLOEXEC);
        if (journalFd >= 0) {
            clearJournal(journalFd);
            ::close(journalFd);
        }
    }
}
