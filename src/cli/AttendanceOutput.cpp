#include "cli/AttendanceOutput.h"

#include "register/AttendanceReport.h"
#include "register/ClubRegister.h"
#include "text/Utf8.h"

#include <filesystem>

namespace {

std::filesystem::path sameFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
}

} // namespace

int printAttendance(const std::string& file, bool json, std::ostream& out, std::ostream& err) {
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::current_path(ignored);
    ClubRegister clubRegister;
    const ClubRegister::Opening opening = clubRegister.openForReading(folder);
    if (opening.result != ClubRegister::OpenResult::Opened) {
        err << "rallynote-cli: cannot read the club register " << kRegisterFileName << ": "
            << opening.error.detail << '\n';
        return 2;
    }
    std::vector<MeetingPresence> season = clubRegister.allPresence();
    if (!file.empty()) {
        const std::filesystem::path wanted = sameFile(file);
        std::erase_if(season, [&](const MeetingPresence& entry) {
            return sameFile(toUtf8(entry.dataFile)) != wanted;
        });
    }
    const AttendanceReport report = buildAttendanceReport(season, clubRegister.profiles());
    out << (json ? attendanceJson(report) + "\n" : attendanceCsv(report));
    return 0;
}
