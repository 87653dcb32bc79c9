#pragma once

struct ReportTable;
class QTextDocument;

// Fills a document with the report as a printable table: the title, the data
// file and the number of meetings, the ranked members, then the team totals.
// Sized so that a full report of forty members fits one A4 page.
void fillReportDocument(QTextDocument& document, const ReportTable& table);
