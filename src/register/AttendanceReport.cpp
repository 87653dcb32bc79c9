#include "register/AttendanceReport.h"

#include "text/CsvField.h"
#include "text/Utf8.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

bool listedBefore(const AttendanceRow& a, const AttendanceRow& b) {
    const auto key = [](const AttendanceRow& row) {
        return std::make_tuple(row.member.masterLine == 0, row.member.masterLine,
                               std::cref(row.member.abbrev));
    };
    return key(a) < key(b);
}

std::string jsonText(std::u16string_view text) {
    std::string out = "\"";
    for (const char c : toUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xf];
            out += kHex[c & 0xf];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

AttendanceReport buildAttendanceReport(const std::vector<MeetingPresence>& season,
                                       const std::vector<MemberProfile>& profiles) {
    AttendanceReport report;
    std::set<std::pair<std::u16string, int>> held;
    std::vector<AttendanceRow> rows;
    const auto rowOf = [&rows](const MemberRef& member) -> AttendanceRow& {
        const auto found = std::find_if(rows.begin(), rows.end(),
                                        [&](const AttendanceRow& r) { return r.member == member; });
        if (found != rows.end()) {
            return *found;
        }
        rows.push_back({});
        rows.back().member = member;
        return rows.back();
    };
    for (const MeetingPresence& entry : season) {
        const Presence& p = entry.presence;
        if (!p.arrived) {
            continue;
        }
        held.emplace(entry.dataFile, entry.meeting);
        AttendanceRow& row = rowOf(p.member);
        ++row.attended;
        row.type = p.type;
        row.feesDue += p.feeDue;
        row.feesPaid += p.paid ? p.feeDue : 0;
    }
    for (AttendanceRow& row : rows) {
        const auto profile =
            std::find_if(profiles.begin(), profiles.end(),
                         [&](const MemberProfile& m) { return m.member == row.member; });
        if (profile != profiles.end()) {
            row.type = profile->type;
        }
    }
    report.meetingsHeld = static_cast<int>(held.size());
    for (AttendanceRow& row : rows) {
        row.rate = report.meetingsHeld == 0
                       ? 0
                       : (row.attended * 200 + report.meetingsHeld) / (2 * report.meetingsHeld);
        report.totalDue += row.feesDue;
        report.totalPaid += row.feesPaid;
    }
    std::sort(rows.begin(), rows.end(), listedBefore);
    report.rows = std::move(rows);
    return report;
}

std::string attendanceCsv(const AttendanceReport& report) {
    std::string csv = toUtf8(u"NO,略称,種別,出席回数,出席率(%),会費予定,会費入金") + "\r\n";
    for (const AttendanceRow& row : report.rows) {
        csv += std::to_string(row.member.masterLine) + "," + csvField(toUtf8(row.member.abbrev)) +
               "," + toUtf8(memberTypeLabel(row.type)) + "," + std::to_string(row.attended) + "," +
               std::to_string(row.rate) + "," + std::to_string(row.feesDue) + "," +
               std::to_string(row.feesPaid) + "\r\n";
    }
    csv += "," + toUtf8(u"合計") + ",," + std::to_string(report.meetingsHeld) + ",," +
           std::to_string(report.totalDue) + "," + std::to_string(report.totalPaid) + "\r\n";
    return csv;
}

std::string attendanceJson(const AttendanceReport& report) {
    std::string json = "{\"meetingsHeld\":" + std::to_string(report.meetingsHeld) +
                       ",\"totalDue\":" + std::to_string(report.totalDue) +
                       ",\"totalPaid\":" + std::to_string(report.totalPaid) + ",\"members\":[";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const AttendanceRow& row = report.rows[i];
        json += (i == 0 ? "" : ",");
        json += "{\"masterLine\":" + std::to_string(row.member.masterLine) +
                ",\"abbrev\":" + jsonText(row.member.abbrev) +
                ",\"type\":" + jsonText(memberTypeLabel(row.type)) +
                ",\"attended\":" + std::to_string(row.attended) +
                ",\"rate\":" + std::to_string(row.rate) +
                ",\"feesDue\":" + std::to_string(row.feesDue) +
                ",\"feesPaid\":" + std::to_string(row.feesPaid) + "}";
    }
    return json + "]}";
}

MeetingFees meetingFees(const std::vector<Presence>& meeting) {
    MeetingFees fees;
    for (const Presence& p : meeting) {
        if (!p.arrived) {
            continue;
        }
        ++fees.arrived;
        fees.due += p.feeDue;
        fees.collected += p.paid ? p.feeDue : 0;
    }
    return fees;
}
