#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

// The journal of one save into a record file, kept beside it as
// "<file>.journal" while the save writes the file itself. It holds the whole
// new records, the file's size before and after the save, and a checksum
// over everything, so a journal cut short by a crash is never taken for a
// complete one. The file's own format is not touched.
namespace journal {

using Records = std::map<long long, std::vector<std::uint8_t>>;

struct Contents {
    std::uint64_t sizeBefore = 0;
    std::uint64_t sizeAfter = 0;
    Records records; // record number (1-based) → its bytes
};

std::filesystem::path pathOf(const std::filesystem::path& file);

std::vector<std::uint8_t> encode(std::size_t recordSize, const Contents& contents);

// Reads a journal of records of `recordSize` bytes; false for anything but a
// complete, undamaged one.
bool decode(const std::vector<std::uint8_t>& bytes, std::size_t recordSize, Contents& contents);

} // namespace journal
