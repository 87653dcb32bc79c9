#pragma once

#include <string>

struct ReportTable;

// The report table as a CSV file's bytes: UTF-8 with a byte-order mark, so
// that spreadsheet programs read the Japanese text as UTF-8; lines ended by
// CR LF and fields quoted as RFC 4180 says. The title and the subtitle come
// first, then the members under their headings, an empty line, and the
// teams under theirs. Every line has the same number of fields.
std::string reportCsv(const ReportTable& table);
