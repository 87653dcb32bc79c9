#include "storage/ActivityLog.h"

#include "platform/Clock.h"
#include "storage/RecordFile.h"
#include "text/Cp932.h"
#include "text/NumberPattern.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

constexpr std::size_t kRecordSize = 84;
constexpr std::size_t kLineBytes = 80;
constexpr std::size_t kLineLength = 80;
constexpr std::int32_t kOverflowCount = 1000;
constexpr char kLogFileName[] = "tennis.log";

using Record = std::array<std::uint8_t, kRecordSize>;

std::int32_t countOf(const Record& record) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(record[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

void setCount(Record& record, std::int32_t count) {
    const auto bits = static_cast<std::uint32_t>(count);
    for (std::size_t i = 0; i < 4; ++i) {
        record[i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}

// yy/mm/dd hh:mm:ss, the general date of the log's header "YY/MM/DD TIME".
std::u16string dateTime(const std::tm& moment) {
    return formatNumber(moment.tm_year % 100, u"00/") + formatNumber(moment.tm_mon + 1, u"00/") +
           formatNumber(moment.tm_mday, u"00 ") + formatNumber(moment.tm_hour, u"00:") +
           formatNumber(moment.tm_min, u"00:") + formatNumber(moment.tm_sec, u"00");
}

// The entries record 1 claims, held to the records the file holds, so a
// damaged count never sends a read or a write far past the log's end.
std::int32_t entriesIn(const RecordFile& file, const Record& first) {
    const long long records = file.recordCount();
    return static_cast<std::int32_t>(std::clamp<long long>(countOf(first), 0, records));
}

} // namespace

ActivityLog::ActivityLog(const Clock& clock, std::filesystem::path workDir)
    : clock_(clock), path_(std::move(workDir) / kLogFileName) {}

FileFault ActivityLog::append(const std::u16string& text) {
    return appendEntry(text, false);
}

FileFault ActivityLog::appendEntry(const std::u16string& text, bool restart) {
    Record first{};
    RecordFile file(kRecordSize);
    bool done = file.openForWriting(path_);
    // Record 1 is read before anything is written; a log with no record yet
    // gets its first one from this entry or as an empty line.
    if (done && !restart && !file.created() && file.recordCount() > 0) {
        done = file.read(1, first.data());
    }
    // The entry follows the last one in the file, which another copy of
    // the program sharing the working folder may have added since this one
    // last wrote; holding the turn to save, no one adds one meanwhile. A
    // log removed while the program runs starts again at entry 1.
    const std::int32_t number = !done || restart || file.created() ? 1 : entriesIn(file, first) + 1;
    std::u16string line = formatNumber(number, u" 000 ") + dateTime(clock_.now()) + text;
    if (line.size() > kLineLength) {
        line.resize(kLineLength);
    }
    Record entry{};
    setCount(entry, number);
    cp932::writeField(&entry[4], kLineBytes, line);
    if (done) {
        done = file.write(number, entry.data());
    }
    if (done && number > 1) {
        setCount(first, number);
        done = file.write(1, first.data());
    }
    done = file.finish() && done;
    if (!done) {
        return FileFault::CannotWrite;
    }
    entryCount = number;
    return FileFault::None;
}

FileFault ActivityLog::readEntryCount() {
    RecordFile file(kRecordSize);
    Record first{};
    if (file.openForReading(path_)) {
        if (file.recordCount() > 0 && !file.read(1, first.data())) {
            return FileFault::CannotRead;
        }
        entryCount = entriesIn(file, first);
    } else if (errno == ENOENT) {
        entryCount = 0;
    } else {
        return FileFault::CannotRead;
    }
    return FileFault::None;
}

bool ActivityLog::overflowing() const {
    return entryCount > kOverflowCount;
}

FileFault ActivityLog::readText(std::u16string& text) {
    text.clear();
    RecordFile file(kRecordSize);
    if (!file.openForReading(path_)) {
        return errno == ENOENT ? FileFault::None : FileFault::CannotRead;
    }
    Record record{};
    if (file.recordCount() == 0) {
        return FileFault::None;
    }
    bool done = file.read(1, record.data());
    const std::int32_t entries = done ? entriesIn(file, record) : 0;
    for (std::int32_t k = entries; done && k >= 1; --k) {
        done = file.read(k, record.data());
        text += cp932::readField(&record[4], kLineBytes);
        text += u"\r\n";
    }
    if (!done) {
        text.clear();
        return FileFault::CannotRead;
    }
    return FileFault::None;
}

FileFault ActivityLog::clear() {
    return appendEntry(u"ｸﾘｱｰ", true);
}
