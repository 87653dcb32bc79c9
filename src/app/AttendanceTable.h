#pragma once

#include "results/ReportTable.h"

#include <string>
#include <string_view>

struct AttendanceReport;

// The season attendance report as a plain table, for its window and its
// printed page: the title "☆ 出席・会費表 ☆", the data file and the meetings
// held, one line per member (number, short name, type, meetings attended,
// rate in whole percent, fees due and paid in yen) and one totals line.
ReportTable attendanceTable(const AttendanceReport& report, std::u16string_view dataFile);

// The totals line under the window's list: "開催 5回　会費予定 12000円　会費入金 9000円".
std::u16string attendanceTotalsText(const AttendanceReport& report);
