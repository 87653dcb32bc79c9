#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

// A file of fixed-size records, record n (n >= 1) at byte (n − 1) × size,
// opened for one operation and closed by the destructor. Every read and
// write is checked for its full count; a write that fails after growing the
// file cuts the file back, so the records it held before stay as they were.
// All writes of the program's files go through write() and finish(), so the
// write path can be changed in this one place.
class RecordFile {
public:
    explicit RecordFile(std::size_t recordSize) : recordSize_(recordSize) {}
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file for reading only; a file that is only read is
    // never changed.
    bool openForReading(const std::filesystem::path& path);
    // Opens the file for reading and writing, creating it when missing.
    bool openForWriting(const std::filesystem::path& path);

    // The number of whole records the file holds (-1 on error).
    long long recordCount() const;

    // Reads the whole record n; false when it is missing or short.
    bool read(long long n, std::uint8_t* data) const;
    bool write(long long n, const std::uint8_t* data);

    // Makes the writes reach the disk and closes the file; false when either
    // fails.
    bool finish();

private:
    std::size_t recordSize_;
    int fd_ = -1;
    std::filesystem::path createdIn_; // the folder of a file this open created
};
