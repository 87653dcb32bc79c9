#include "app/AttendanceTable.h"

#include "register/AttendanceReport.h"
#include "text/NumberPattern.h"

namespace {

std::u16string number(int value) {
    return formatNumber(value, u"0");
}

} // namespace

ReportTable attendanceTable(const AttendanceReport& report, std::u16string_view dataFile) {
    ReportTable table;
    table.title = u"☆ 出席・会費表 ☆";
    table.subtitle = u"ﾌｧｲﾙ: " + std::u16string(dataFile) + u"　開催回数: " +
                     number(report.meetingsHeld) + u"回";
    table.memberHeadings = {u"NO",        u"略称",     u"種別",    u"出席回数",
                            u"出席率(%)", u"会費予定", u"会費入金"};
    for (const AttendanceRow& row : report.rows) {
        // A member removed from the master has no line number.
        table.members.push_back({row.member.masterLine > 0 ? number(row.member.masterLine) : u"",
                                 row.member.abbrev, std::u16string(memberTypeLabel(row.type)),
                                 number(row.attended), number(row.rate), number(row.feesDue),
                                 number(row.feesPaid)});
    }
    table.teamHeadings = {u"合計", u"会費予定", u"会費入金"};
    table.teams.push_back({u"開催 " + number(report.meetingsHeld) + u"回", number(report.totalDue),
                           number(report.totalPaid)});
    return table;
}

std::u16string attendanceTotalsText(const AttendanceReport& report) {
    return u"開催 " + number(report.meetingsHeld) + u"回　会費予定 " + number(report.totalDue) +
           u"円　会費入金 " + number(report.totalPaid) + u"円";
}
