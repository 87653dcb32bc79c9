#include "storage/RecordJournal.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace journal {

namespace {

constexpr std::array<std::uint8_t, kMagicSize> kMagic = {'R', 'L', 'N', 'J', 'R', 'N', 'L', '1'};
// Magic, record size, entry count, size before, size after.
constexpr std::size_t kHeaderSize = 8 + 4 + 4 + 8 + 8;
constexpr std::size_t kChecksumSize = 8;
// No count field of the program's files reaches past this record.
constexpr long long kLastRecord = std::numeric_limits<std::int32_t>::max();

void put(std::vector<std::uint8_t>& out, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

std::uint64_t get(const std::vector<std::uint8_t>& in, std::size_t at, std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
    }
    return value;
}

// FNV-1a, 64 bits: enough to tell a torn or damaged journal from a whole one.
std::uint64_t checksum(const std::vector<std::uint8_t>& bytes, std::size_t length) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < length; ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ULL;
    }
    return hash;
}

} // namespace

std::filesystem::path pathOf(const std::filesystem::path& file) {
    std::filesystem::path path = file;
    path += ".journal";
    return path;
}

std::vector<std::uint8_t> encode(std::size_t recordSize, const Contents& contents) {
    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    out.reserve(kHeaderSize + contents.records.size() * (8 + recordSize) + kChecksumSize);
    put(out, recordSize, 4);
    put(out, contents.records.size(), 4);
    put(out, contents.sizeBefore, 8);
    put(out, contents.sizeAfter, 8);
    for (const auto& [number, bytes] : contents.records) {
        put(out, static_cast<std::uint64_t>(number), 8);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    put(out, checksum(out, out.size()), kChecksumSize);
    return out;
}

bool isLive(const std::uint8_t* first) {
    return std::equal(kMagic.begin(), kMagic.end(), first);
}

bool decode(const std::vector<std::uint8_t>& bytes, std::size_t recordSize, Contents& contents) {
    if (bytes.size() < kHeaderSize + kChecksumSize || !isLive(bytes.data()) ||
        get(bytes, 8, 4) != recordSize) {
        return false;
    }
    const std::uint64_t entries = get(bytes, 12, 4);
    const std::size_t entrySize = 8 + recordSize;
    if (entries > (bytes.size() - kHeaderSize - kChecksumSize) / entrySize) {
        return false;
    }
    const std::size_t body = kHeaderSize + entries * entrySize;
    if (get(bytes, body, kChecksumSize) != checksum(bytes, body)) {
        return false;
    }
    Contents read;
    read.sizeBefore = get(bytes, 16, 8);
    read.sizeAfter = get(bytes, 24, 8);
    for (std::size_t at = kHeaderSize; at < body; at += entrySize) {
        const std::uint64_t number = get(bytes, at, 8);
        if (number < 1 || number > kLastRecord) {
            return false;
        }
        read.records[static_cast<long long>(number)].assign(bytes.begin() + at + 8,
                                                            bytes.begin() + at + entrySize);
    }
    const std::uint64_t lastEnd =
        read.records.empty()
            ? 0
            : static_cast<std::uint64_t>(read.records.rbegin()->first) * recordSize;
    if (read.records.empty() || read.sizeAfter != std::max(read.sizeBefore, lastEnd)) {
        return false;
    }
    contents = std::move(read);
    return true;
}

} // namespace journal
