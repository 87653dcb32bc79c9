#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One 11712-byte record of a meeting data file, little-endian, no padding.
// Record 1's first field holds the number of meetings in the file.
struct MeetingRecord {
    static constexpr std::size_t kSize = 11712;
    static constexpr std::size_t kCountOffset = 0;
    static constexpr std::size_t kMatchMethodOffset = 2;
    static constexpr std::size_t kTitleOffset = 4;      // 40 bytes
    static constexpr std::size_t kTeamNameAOffset = 44; // 20 bytes
    static constexpr std::size_t kTeamNameBOffset = 64; // 20 bytes
    static constexpr std::size_t kTeamSizeOffset = 84;  // 3 × int16
    static constexpr std::size_t kPhotoNoOffset = 90;   // 66 × int16, index team + 3·slot
    static constexpr std::size_t kStatusOffset = 222;   // 66 × int16
    static constexpr std::size_t kAbbrevOffset = 354;   // 66 × 8 bytes
    static constexpr std::size_t kResultOffset = 882; // 1980 × int32, team + 3·slot + 66·column
    static constexpr std::size_t kPairOffset = 8802;  // 1452 × int16, team + 3·a + 66·b
    static constexpr std::size_t kTitleBytes = 40;
    static constexpr std::size_t kTeamNameBytes = 20;
    static constexpr std::size_t kAbbrevBytes = 8;

    std::array<std::uint8_t, kSize> bytes{};

    std::int16_t int16At(std::size_t offset) const;
    void setInt16At(std::size_t offset, std::int16_t value);
    std::int32_t int32At(std::size_t offset) const;
    void setInt32At(std::size_t offset, std::int32_t value);

    std::int16_t count() const { return int16At(kCountOffset); }
    void setCount(std::int16_t value) { setInt16At(kCountOffset, value); }

    // Element positions of the per-participant, result and pair arrays.
    static std::size_t participantIndex(int team, int slot) { return team + 3 * slot; }
    static std::size_t resultIndex(int team, int slot, int column) {
        return team + 3 * slot + 66 * column;
    }
    static std::size_t pairIndex(int team, int a, int b) { return team + 3 * a + 66 * b; }

    std::int32_t result(int team, int slot, int column) const {
        return int32At(kResultOffset + 4 * resultIndex(team, slot, column));
    }
};
