#include "results/ReportCsv.h"

#include "results/ReportTable.h"
#include "text/CsvField.h"
#include "text/Utf8.h"

#include <algorithm>

namespace {

void addLine(std::string& out, const ReportTable::Row& row, std::size_t width) {
    for (std::size_t k = 0; k < width; ++k) {
        if (k > 0) {
            out += ',';
        }
        if (k < row.size()) {
            out += csvField(toUtf8(row[k]));
        }
    }
    out += "\r\n";
}

} // namespace

std::string reportCsv(const ReportTable& table) {
    const std::size_t width = std::max(table.memberHeadings.size(), table.teamHeadings.size());
    std::string out = "\xEF\xBB\xBF";
    addLine(out, {table.title}, width);
    addLine(out, {table.subtitle}, width);
    addLine(out, table.memberHeadings, width);
    for (const ReportTable::Row& row : table.members) {
        addLine(out, row, width);
    }
    addLine(out, {}, width);
    addLine(out, table.teamHeadings, width);
    for (const ReportTable::Row& row : table.teams) {
        addLine(out, row, width);
    }
    return out;
}
