#include "ui/dialogs/ReportDocument.h"

#include "results/ReportTable.h"
#include "ui/dialogs/JapaneseFonts.h"

#include <QString>
#include <QTextDocument>

namespace {

constexpr qreal kPointSize = 10;

QString html(const std::u16string& text) {
    return QString::fromStdU16String(text).toHtmlEscaped();
}

// Figures stand right, names left; every other row is shaded to guide the
// eye along the line.
QString tableHtml(const ReportTable::Row& headings, const std::vector<ReportTable::Row>& rows,
                  std::size_t textColumn) {
    QString out = QStringLiteral(
        "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
        "style=\"border-collapse: collapse; border-color: #808080;\"><tr bgcolor=\"#e0e0e0\">");
    for (const std::u16string& heading : headings) {
        out += QStringLiteral("<th>") + html(heading) + QStringLiteral("</th>");
    }
    out += QStringLiteral("</tr>");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r % 2 == 1 ? QStringLiteral("<tr bgcolor=\"#f4f4f4\">") : QStringLiteral("<tr>");
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            out +=
                c == textColumn ? QStringLiteral("<td>") : QStringLiteral("<td align=\"right\">");
            out += html(rows[r][c]) + QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
}

} // namespace

void fillReportDocument(QTextDocument& document, const ReportTable& table) {
    fillReportDocument(document, table, table.memberHeadings.size() - 1);
}

void fillReportDocument(QTextDocument& document, const ReportTable& table, std::size_t nameColumn) {
    document.setDefaultFont(japaneseTextFont(kPointSize));
    QString body = QStringLiteral("<h2 align=\"center\">") + html(table.title) +
                   QStringLiteral("</h2><p align=\"center\">") + html(table.subtitle) +
                   QStringLiteral("</p>");
    body += tableHtml(table.memberHeadings, table.members, nameColumn);
    body += QStringLiteral("<p></p>");
    body += tableHtml(table.teamHeadings, table.teams, 0);
    document.setHtml(body);
}
