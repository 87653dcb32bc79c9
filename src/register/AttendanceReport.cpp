#include "register/AttendanceReport.h"

AttendanceReport buildAttendanceReport(const std::vector<MeetingPresence>&,
                                       const std::vector<MemberProfile>&) {
    return {};
}

std::u16string attendanceCsv(const AttendanceReport&) {
    return {};
}

std::string attendanceJson(const AttendanceReport&) {
    return {};
}

MeetingFees meetingFees(const std::vector<Presence>&) {
    return {};
}
