#include "storage/MeetingRecord.h"

#include "storage/LittleEndian.h"

#include <stdexcept>

namespace {

// An offset whose value would not fit in the record is a programming error.
void checkRange(std::size_t offset, std::size_t width) {
    if (offset > MeetingRecord::kSize || width > MeetingRecord::kSize - offset) {
        throw std::out_of_range("MeetingRecord offset");
    }
}

} // namespace

std::int16_t MeetingRecord::int16At(std::size_t offset) const {
    checkRange(offset, 2);
    return readInt16Le(bytes.data() + offset);
}

void MeetingRecord::setInt16At(std::size_t offset, std::int16_t value) {
    checkRange(offset, 2);
    writeInt16Le(bytes.data() + offset, value);
}

std::int32_t MeetingRecord::int32At(std::size_t offset) const {
    checkRange(offset, 4);
    return readInt32Le(bytes.data() + offset);
}

void MeetingRecord::setInt32At(std::size_t offset, std::int32_t value) {
    checkRange(offset, 4);
    writeInt32Le(bytes.data() + offset, value);
}
