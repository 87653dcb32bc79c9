#include "storage/MemberMaster.h"

#include "storage/LittleEndian.h"
#include "storage/RecordFile.h"
#include "text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

constexpr int kLastEntry = kMemberTableSize - 1;

using Bytes = std::array<std::uint8_t, MemberRecord::kSize>;

std::int16_t int16At(const Bytes& bytes, std::size_t offset) {
    return readInt16Le(bytes.data() + offset);
}

void setInt16At(Bytes& bytes, std::size_t offset, std::int16_t value) {
    writeInt16Le(bytes.data() + offset, value);
}

MemberRecord fromBytes(const Bytes& bytes) {
    MemberRecord member;
    member.count = int16At(bytes, 0);
    member.unused = int16At(bytes, 2);
    member.classCode = int16At(bytes, 4);
    member.photoNo = int16At(bytes, 6);
    member.name = cp932::readField(&bytes[8], 16);
    member.abbrev = cp932::readField(&bytes[24], 8);
    member.sex = int16At(bytes, 32);
    member.phone = cp932::readField(&bytes[34], 16);
    member.address = cp932::readField(&bytes[50], 64);
    member.memo = cp932::readField(&bytes[114], 64);
    return member;
}

Bytes toBytes(const MemberRecord& member) {
    Bytes bytes{};
    setInt16At(bytes, 0, member.count);
    setInt16At(bytes, 2, member.unused);
    setInt16At(bytes, 4, member.classCode);
    setInt16At(bytes, 6, member.photoNo);
    cp932::writeField(&bytes[8], 16, member.name);
    cp932::writeField(&bytes[24], 8, member.abbrev);
    setInt16At(bytes, 32, member.sex);
    cp932::writeField(&bytes[34], 16, member.phone);
    cp932::writeField(&bytes[50], 64, member.address);
    cp932::writeField(&bytes[114], 64, member.memo);
    return bytes;
}

} // namespace

MemberMaster::MemberMaster(std::filesystem::path workDir)
    : path_(std::move(workDir) / kMasterFileName) {}

FileFault MemberMaster::readFile(const std::function<void(int)>& show) {
    RecordFile file(MemberRecord::kSize);
    // A missing master reads as an empty one; reading never creates it.
    const bool opened = file.openForReading(path_);
    if (!opened && errno != ENOENT) {
        return FileFault::CannotOpen;
    }
    known_.note(path_, file.stamp());
    const auto fail = [this](int entriesRead) {
        memberCount = static_cast<std::int16_t>(entriesRead);
        return FileFault::CannotRead;
    };
    Bytes bytes{};
    if (opened && file.recordCount() > 0) {
        if (!file.read(1, bytes.data())) {
            return fail(0);
        }
        known_.noteRecord(1, bytes.data(), bytes.size());
    }
    members[1] = fromBytes(bytes);
    if (members[1].count < 0) {
        return fail(0);
    }
    memberCount = members[1].count;
    if (memberCount == 0) {
        members[1].sex = 9;
    }
    show(1);
    // The count is held to the entries actually read, so no caller walks
    // past the table or into entries the file did not fill.
    for (int i = 2; i <= members[1].count; ++i) {
        if (i > kLastEntry || !file.read(i, bytes.data())) {
            return fail(i - 1);
        }
        known_.noteRecord(i, bytes.data(), bytes.size());
        members[static_cast<std::size_t>(i)] = fromBytes(bytes);
        show(i);
    }
    return FileFault::None;
}

FileFault MemberMaster::writeFile() {
    const int last = std::clamp<int>(memberCount, 1, kLastEntry);
    members[1].count = static_cast<std::int16_t>(std::clamp<int>(memberCount, 0, kLastEntry));
    RecordFile file(MemberRecord::kSize);
    bool done = file.openForWriting(path_);
    // Closed without finish(), the file gets none of this save.
    if (done && !file.created() && known_.changedUnderneath(path_, file)) {
        return FileFault::ChangedUnderneath;
    }
    std::vector<Bytes> written;
    for (int i = 1; done && i <= last; ++i) {
        written.push_back(toBytes(members[static_cast<std::size_t>(i)]));
        done = file.write(i, written.back().data());
    }
    done = file.finish() && done;
    if (!done) {
        return FileFault::CannotWrite;
    }
    known_.note(path_, file.stamp());
    for (std::size_t i = 0; i < written.size(); ++i) {
        known_.noteRecord(static_cast<long long>(i + 1), written[i].data(), written[i].size());
    }
    return FileFault::None;
}
