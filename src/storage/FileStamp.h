#pragma once

#include <cstddef>
#include <cstdint>

// What identifies one state of a file on disk: which file it is (device and
// inode, so a file replaced under the same name differs), its size and the
// time it was last written, to the nanosecond.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    long long size = -1;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;

    bool valid() const { return size >= 0; }
    bool operator==(const FileStamp&) const = default;
};

// The stamp of an open file; not valid when it cannot be read.
FileStamp stampOf(int fd);

// A checksum of one record (FNV-1a, 64 bits), to tell whether the bytes a
// save would overwrite are still those that were read or written there.
std::uint64_t recordChecksum(const std::uint8_t* data, std::size_t size);
