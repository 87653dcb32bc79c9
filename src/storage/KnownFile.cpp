#include "storage/KnownFile.h"

#include "storage/RecordFile.h"

#include <vector>

void KnownFile::note(const std::filesystem::path& path, const FileStamp& stamp) {
    seen_ = true;
    path_ = path;
    stamp_ = stamp;
    records_.clear();
}

void KnownFile::noteRecord(long long n, const std::uint8_t* data, std::size_t size) {
    if (stamp_.valid()) {
        records_[n] = recordChecksum(data, size);
    }
}

void KnownFile::forget() {
    note({}, {});
    seen_ = false;
}

bool KnownFile::changedUnderneath(const std::filesystem::path& path, const RecordFile& file) const {
    if (!seen_ || path != path_) {
        return false;
    }
    if (file.stamp() != stamp_) {
        return true;
    }
    std::vector<std::uint8_t> bytes(file.recordSize());
    for (const auto& [n, checksum] : records_) {
        if (!file.read(n, bytes.data()) || recordChecksum(bytes.data(), bytes.size()) != checksum) {
            return true;
        }
    }
    return false;
}
