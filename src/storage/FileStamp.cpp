#include "storage/FileStamp.h"

#include <sys/stat.h>

FileStamp stampOf(int fd) {
    struct stat info {};
    FileStamp stamp;
    if (fd >= 0 && ::fstat(fd, &info) == 0) {
        stamp.device = static_cast<std::uint64_t>(info.st_dev);
        stamp.inode = static_cast<std::uint64_t>(info.st_ino);
        stamp.size = static_cast<long long>(info.st_size);
        stamp.modifiedSeconds = static_cast<long long>(info.st_mtim.tv_sec);
        stamp.modifiedNanoseconds = static_cast<long long>(info.st_mtim.tv_nsec);
    }
    return stamp;
}

std::uint64_t recordChecksum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ULL;
    }
    return hash;
}
