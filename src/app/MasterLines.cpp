#include "app/MasterLines.h"

std::u16string shownName(std::u16string name) {
    name = name.substr(0, name.find(u'\0'));
    while (!name.empty() && (name.back() == u' ' || name.back() == u'　')) {
        name.pop_back();
    }
    return name;
}

MasterLines::MasterLines(Platform& platform, std::filesystem::path workDir)
    : master_(platform, workDir), path_(workDir / kMasterFileName) {}

void MasterLines::refresh() {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path_, error);
    const std::uintmax_t size = error ? 0 : std::filesystem::file_size(path_, error);
    if (error) {
        master_.members = {};
        master_.memberCount = 0;
        read_ = false;
        return;
    }
    if (read_ && time == time_ && size == size_) {
        return;
    }
    master_.members = {};
    master_.memberCount = 0;
    master_.readFile([](int) {});
    time_ = time;
    size_ = size;
    read_ = true;
}

int MasterLines::lineOf(std::u16string_view abbrev) {
    refresh();
    for (int line = 1; line <= master_.memberCount && line < kMemberTableSize; ++line) {
        const MemberRecord& entry = master_.members[static_cast<std::size_t>(line)];
        if (entry.Sex != 9 && shownName(entry.Abbrev.str()) == abbrev) {
            return line;
        }
    }
    return 0;
}
