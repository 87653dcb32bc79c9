#include "results/ReportTable.h"

#include "state/MeetingState.h"
#include "text/NumberPattern.h"

namespace {

std::u16string number(long long value) {
    return formatNumber(value, u"0");
}

// Real totals round as the report's boxes round them.
std::u16string number(double value) {
    return formatNumber(value, u"0");
}

// A name cell: no padding, and no NUL characters, which a text file cannot
// carry (a name read from a damaged file may start with one).
std::u16string nameCell(std::u16string_view name) {
    std::u16string cell = plainName(name);
    std::erase(cell, u'\0');
    return cell;
}

ReportTable::Row teamRow(const std::u16string& name, const ReportTeamTotals& totals) {
    return {nameCell(name),          number(totals.matches), number(totals.wins),
            number(totals.losses),   number(totals.draws),   number(totals.gamesWon),
            number(totals.gamesLost)};
}

} // namespace

ReportTable reportTable(const MeetingState& state, ReportKind kind) {
    const StandingsReport report = buildStandingsReport(state, kind);
    ReportTable table;
    table.title = report.title;
    table.subtitle = u"ﾌｧｲﾙ: " + state.openName + u"　開催回数: " +
                     number(static_cast<long long>(state.meetingCount)) + u"回";
    table.memberHeadings = {u"順位", u"試合数",  u"勝",        u"敗",
                            u"引分", u"勝率(%)", u"ﾎﾟ勝率(%)", u"略称"};
    for (const ReportMember& m : reportMembers(state, kind)) {
        table.members.push_back({number(m.pos), number(m.matches), number(m.wins), number(m.losses),
                                 number(m.draws), number(m.winRate), number(m.pointWinRate),
                                 nameCell(state.memberAbbrev[m.team][m.member].str())});
    }
    table.teamHeadings = {u"チーム", u"総試合数", u"勝", u"敗", u"引分", u"得ﾎﾟｲﾝﾄ", u"失ﾎﾟｲﾝﾄ"};
    table.teams.push_back(teamRow(report.teamAName, reportTeamTotals(state, 0)));
    if (!report.teamBHidden) {
        table.teams.push_back(teamRow(report.teamBName, reportTeamTotals(state, 1)));
    }
    return table;
}
