#pragma once

#include "register/RegisterTypes.h"

#include <string>
#include <vector>

// One member's line of the season attendance report.
struct AttendanceRow {
    MemberRef member;
    MemberType type = MemberType::Member;
    int attended = 0; // meetings with an arrival
    int rate = 0;     // attended of the meetings held, whole percent (rounded half up)
    int feesDue = 0;  // yen
    int feesPaid = 0; // yen, of the meetings ticked 支払済
};

struct AttendanceReport {
    int meetingsHeld = 0;            // meetings at which anybody arrived
    std::vector<AttendanceRow> rows; // by master line, then short name; removed members last
    int totalDue = 0;
    int totalPaid = 0;
};

// The report from a season's check-ins and the members' profiles (for the
// type of a member; the type of their latest check-in otherwise).
AttendanceReport buildAttendanceReport(const std::vector<MeetingPresence>& season,
                                       const std::vector<MemberProfile>& profiles);

// The report as CSV in UTF-8: a heading line
// "NO,略称,種別,出席回数,出席率(%),会費予定,会費入金", one line per member and a
// closing "合計" line (meetings held, fees due and paid); fields quoted where
// they need it, lines ended by CRLF.
std::string attendanceCsv(const AttendanceReport& report);
// The report as one JSON object (UTF-8).
std::string attendanceJson(const AttendanceReport& report);

// A meeting's fees: what is due from those who arrived and what is paid.
struct MeetingFees {
    int arrived = 0;
    int due = 0;
    int collected = 0;
};
MeetingFees meetingFees(const std::vector<Presence>& meeting);
