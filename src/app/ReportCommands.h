#pragma once

#include "results/StandingsReport.h"

#include <functional>
#include <string>

class Program;

// "成績表示(&P)": without an open file it refuses with its message; otherwise
// it builds the totals over all meetings and, only when they completed,
// shows the report through showReport. Once the report is closed the pairing
// table is redrawn, which puts the current meeting's values back in place of
// the sums. Returns true when the report was shown.
bool showStandingsReport(Program& program, const std::function<void()>& showReport);

// The file name the CSV dialog offers: the data file's name without its
// extension and the report's kind, "club_総合成績.csv".
std::u16string reportCsvName(const std::u16string& openName, ReportKind kind);

// The report's "CSV 出力": asks for a file and writes the table of the kind
// shown there. Returns false when the user cancelled (nothing happens) or the
// file could not be written (a message says so and any earlier file of that
// name is left as it was).
bool saveReportCsv(Program& program, ReportKind kind);
