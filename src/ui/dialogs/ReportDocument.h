#pragma once

#include <cstddef>

struct ReportTable;
class QTextDocument;

// Fills a document with the report as a printable table: the title, the data
// file and the number of meetings, the ranked members, then the team totals.
// Sized so that a full report of forty members fits one A4 page.
void fillReportDocument(QTextDocument& document, const ReportTable& table);

// The same for a table whose member lines hold their name in nameColumn;
// the first cell of a totals line is its name.
void fillReportDocument(QTextDocument& document, const ReportTable& table, std::size_t nameColumn);
