#include "storage/MeetingRecord.h"

std::int16_t MeetingRecord::int16At(std::size_t offset) const {
    const auto value = static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
    return static_cast<std::int16_t>(value);
}

void MeetingRecord::setInt16At(std::size_t offset, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes.at(offset) = static_cast<std::uint8_t>(bits & 0xFF);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(bits >> 8);
}

std::int32_t MeetingRecord::int32At(std::size_t offset) const {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

void MeetingRecord::setInt32At(std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}
