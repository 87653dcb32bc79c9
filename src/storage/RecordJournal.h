#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

// The journal of one save into a record file, kept beside it as
// "<file>.journal". It holds the whole new records, the file's size before
// and after the save, and a checksum over everything, so a journal cut
// short by a crash is never taken for a complete one. Once the save is in
// the file the journal's first bytes are cleared; the journal file itself
// stays, to be overwritten by the next save. The data file's own format is
// not touched.
namespace journal {

inline constexpr std::size_t kMagicSize = 8;

using Records = std::map<long long, std::vector<std::uint8_t>>;

struct Contents {
    std::uint64_t sizeBefore = 0;
    std::uint64_t sizeAfter = 0;
    Records records; // record number (1-based) → its bytes
};

std::filesystem::path pathOf(const std::filesystem::path& file);

std::vector<std::uint8_t> encode(std::size_t recordSize, const Contents& contents);

// True when the first bytes of a file (at least kMagicSize) begin a
// journal: one that may hold a save not yet finished.
bool isLive(const std::uint8_t* first);

// Reads a journal of records of `recordSize` bytes; false for anything but a
// complete, undamaged one. Bytes after its end (left by a longer journal of
// an earlier save) are ignored.
bool decode(const std::vector<std::uint8_t>& bytes, std::size_t recordSize, Contents& contents);

} // namespace journal
