#pragma once

#include "storage/FileFault.h"
#include "storage/KnownFile.h"
#include "text/FixedText.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

// One member of the master "tennis.mst", a 178-byte record.
struct MemberRecord {
    static constexpr std::size_t kSize = 178;
    std::int16_t count = 0; // record 1 only: number of members
    std::int16_t unused = 0;
    std::int16_t classCode = 0; // 分類コード
    std::int16_t photoNo = 0;   // 写真ＮＯ
    FixedText<16> name;         // 氏名
    FixedText<8> abbrev;        // 略称
    std::int16_t sex = 0;       // 0 male, 1 female, 9 empty entry
    FixedText<16> phone;
    FixedText<64> address;
    FixedText<64> memo;
};

inline constexpr int kMemberTableSize = 101; // entries 0..100, entry 0 unused
inline constexpr int kMaxMembers = 99;       // the editor's limit
inline constexpr char kMasterFileName[] = "tennis.mst";

// The member master in memory and its file in the working folder, which
// every copy of the program on the folder shares: a write is refused
// (ChangedUnderneath) when the file changed since this copy last read or
// wrote it, so one copy never silently reverts what another saved. Failures
// are shown by app/MasterFileCommands.
class MemberMaster {
public:
    explicit MemberMaster(std::filesystem::path workDir);

    // Reads the file (a missing one reads as empty) and hands each record
    // number, in file order, to `show`. After a failure the entries read so
    // far stay.
    FileFault readFile(const std::function<void(int)>& show);
    FileFault writeFile();

    std::array<MemberRecord, kMemberTableSize> members{};
    std::int16_t memberCount = 0;

private:
    std::filesystem::path path_;
    KnownFile known_;
};
