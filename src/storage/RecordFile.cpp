#include "storage/RecordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RecordFile::~RecordFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool RecordFile::openForReading(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd_ >= 0;
}

bool RecordFile::openForWriting(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        createdIn_ = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
        return true;
    }
    if (errno != EEXIST) {
        return false;
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    return fd_ >= 0;
}

long long RecordFile::recordCount() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
        return -1;
    }
    return static_cast<long long>(info.st_size) / static_cast<long long>(recordSize_);
}

bool RecordFile::read(long long n, std::uint8_t* data) const {
    if (fd_ < 0 || n < 1) {
        return false;
    }
    const off_t start = static_cast<off_t>(n - 1) * static_cast<off_t>(recordSize_);
    std::size_t done = 0;
    while (done < recordSize_) {
        const ssize_t got =
            ::pread(fd_, data + done, recordSize_ - done, start + static_cast<off_t>(done));
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

bool RecordFile::write(long long n, const std::uint8_t* data) {
    if (fd_ < 0 || n < 1) {
        return false;
    }
    struct stat before {};
    if (::fstat(fd_, &before) != 0) {
        return false;
    }
    const off_t start = static_cast<off_t>(n - 1) * static_cast<off_t>(recordSize_);
    std::size_t done = 0;
    while (done < recordSize_) {
        const ssize_t put =
            ::pwrite(fd_, data + done, recordSize_ - done, start + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // A part record past the old end would look like a record later.
            struct stat after {};
            if (::fstat(fd_, &after) == 0 && after.st_size > before.st_size) {
                [[maybe_unused]] const int ignored = ::ftruncate(fd_, before.st_size);
            }
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool RecordFile::finish() {
    if (fd_ < 0) {
        return false;
    }
    bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    // A new file's name must reach the disk too, or the file may be gone
    // after a power cut.
    if (!createdIn_.empty()) {
        const int folder = ::open(createdIn_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            synced = ::fsync(folder) == 0 && synced;
            ::close(folder);
        }
    }
    return synced && closed;
}
