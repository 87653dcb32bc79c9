#pragma once

#include "storage/MemberMaster.h"

#include <filesystem>
#include <string>
#include <string_view>

class Platform;

// A stored short name as the roster shows it: up to a NUL, trailing blanks
// (half or full width) cut.
std::u16string shownName(std::u16string name);

// The master line of a short name, for linking roster members to the club
// register. Reads "tennis.mst" again only when the file changed (its size
// or time); a missing master is never created here, so the register never
// writes a stored file.
class MasterLines {
public:
    MasterLines(Platform& platform, std::filesystem::path workDir);

    // The first master line whose short name (trailing blanks cut) is
    // `abbrev`; 0 when none is.
    int lineOf(std::u16string_view abbrev);

private:
    void refresh();

    MemberMaster master_;
    std::filesystem::path path_;
    std::filesystem::file_time_type time_{};
    std::uintmax_t size_ = 0;
    bool read_ = false;
};
