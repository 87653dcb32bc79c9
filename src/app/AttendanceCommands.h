#pragma once

#include "register/AttendanceReport.h"

class Program;

// The season attendance report of the current data file: every meeting of
// the file with a check-in (empty when the register is closed or no data
// file is open).
AttendanceReport currentAttendanceReport(Program& program);

// CSV出力 of the report window: asks for a file name through the platform
// (「出欠.csv」 offered) and writes the report in UTF-8 with a byte-order mark. False when the user
// cancelled or the file could not be written (told).
bool saveAttendanceCsv(Program& program);
