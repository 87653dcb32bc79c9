#pragma once

#include "results/StandingsReport.h"

#include <string>
#include <vector>

struct MeetingState;

// The standings report as a plain table, for the CSV file and the printed
// table: one cell per figure, names without their padding blanks, rates in
// whole percent without the sign, team totals as the report's boxes round
// them.
struct ReportTable {
    using Row = std::vector<std::u16string>;

    std::u16string title;    // the report's title, "☆ 総合成績 ☆" ...
    std::u16string subtitle; // the data file and the number of meetings summed
    Row memberHeadings;
    std::vector<Row> members;
    Row teamHeadings;
    std::vector<Row> teams; // team A, and team B unless the report hides it
};

ReportTable reportTable(const MeetingState& state, ReportKind kind);
