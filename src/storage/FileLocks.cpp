#include "storage/FileLocks.h"

#include "storage/FileStamp.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// One byte each, far beyond the largest file the program writes.
constexpr off_t kHoldByte = off_t{1} << 40;
constexpr off_t kSaveByte = kHoldByte + 1;

bool lockByte(int fd, off_t byte, bool wait) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    int result = 0;
    do {
        result = ::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool sameFile(int fd, const std::filesystem::path& path) {
    const int other = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (other < 0) {
        return false;
    }
    const FileStamp held = stampOf(fd);
    const FileStamp named = stampOf(other);
    ::close(other);
    return held.valid() && named.valid() && held.device == named.device &&
           held.inode == named.inode;
}

// Opens `path` and tries to hold it; the open description is handed back in
// `fd` when it is held.
HoldResult tryHold(const std::filesystem::path& path, int& fd) {
    fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return HoldResult::Unlockable;
    }
    if (lockByte(fd, kHoldByte, false)) {
        return HoldResult::Held;
    }
    const bool conflict = errno == EAGAIN || errno == EACCES;
    ::close(fd);
    fd = -1;
    return conflict ? HoldResult::HeldElsewhere : HoldResult::Unlockable;
}

} // namespace

bool waitForSaveTurn(int fd) {
    return lockByte(fd, kSaveByte, true);
}

DataFileHold::~DataFileHold() {
    release();
}

void DataFileHold::release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool DataFileHold::holds(const std::filesystem::path& path) const {
    return fd_ >= 0 && sameFile(fd_, path);
}

HoldResult DataFileHold::take(const std::filesystem::path& path) {
    if (holds(path)) {
        return HoldResult::Held;
    }
    release();
    return tryHold(path, fd_);
}

bool DataFileHold::heldByOtherCopy(const std::filesystem::path& path) const {
    if (holds(path)) {
        return false;
    }
    int fd = -1;
    const HoldResult result = tryHold(path, fd);
    if (fd >= 0) {
        ::close(fd);
    }
    return result == HoldResult::HeldElsewhere;
}
