#include "results/StandingsReport.h"

#include "results/PackedParts.h"
#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

#include <algorithm>
#include <cstdint>
#include <limits>

DecidedRecord decidedRecord(const MeetingState& state, int team, int member) {
    const auto& row = state.resultTable[team][member];
    const ScoreParts wl = packedParts(state, team, member, WinsLosses);
    DecidedRecord decided;
    decided.draws = wl.first + wl.second - row[PlayedCount];
    decided.wins = wl.first - decided.draws;
    decided.losses = wl.second - decided.draws;
    return decided;
}

namespace {

std::int32_t rankFor(const MeetingState& state, int team, int i, ReportKind kind) {
    const auto& row = state.resultTable[team][i];
    switch (kind) {
    case ReportKind::Overall:
        return row[OverallRank];
    case ReportKind::Men:
        return state.memberStatus[team][i] == 0 ? row[SexRank] : 0;
    case ReportKind::Women:
        return state.memberStatus[team][i] == 1 ? row[SexRank] : 0;
    }
    return 0;
}

ReportMember memberFigures(const MeetingState& state, int team, int i, int pos) {
    const auto& row = state.resultTable[team][i];
    const DecidedRecord decided = decidedRecord(state, team, i);
    ReportMember member;
    member.pos = pos;
    member.team = team;
    member.member = i;
    member.matches = row[PlayedCount];
    member.draws = decided.draws;
    member.wins = decided.wins;
    member.losses = decided.losses;
    member.winRate = row[WinRate];
    member.pointWinRate = row[PointWinRate];
    member.name = reportName(state.memberAbbrev[team][i].str());
    return member;
}

std::u16string memberLine(const ReportMember& m) {
    return formatNumber(m.pos, u" 00   ") + u"   " + formatNumber(m.matches, u"00") + u"   " +
           formatNumber(m.wins, u"  00") + u":" + formatNumber(m.losses, u"00 ") + u"(" +
           formatNumber(m.draws, u"00") + u") " + formatNumber(m.winRate, u" 000") + u"%" +
           formatNumber(m.pointWinRate, u"  000") + u"%   " + m.name;
}

void teamTexts(const ReportTeamTotals& totals, std::u16string& matchesText,
               std::u16string& winsText, std::u16string& gamesText) {
    matchesText = u" 総試合数＝ " + formatNumber(totals.matches, u"###0");
    winsText = u" 総勝敗数＝ " + formatNumber(totals.wins, u"###0") + u":" +
               formatNumber(totals.losses, u"###0") + u"(" + formatNumber(totals.draws, u"###0") +
               u")";
    gamesText = u" 総ﾎﾟｲﾝﾄ ＝ " + formatNumber(totals.gamesWon, u"###0") + u":" +
                formatNumber(totals.gamesLost, u"###0");
}

} // namespace

std::u16string reportName(std::u16string_view abbrev) {
    std::u16string name(abbrev);
    name += u' ';
    const std::size_t nul = name.find(u'\0');
    if (nul != std::u16string::npos && nul > 0) {
        name.resize(nul);
    }
    return name;
}

std::u16string plainName(std::u16string_view abbrev) {
    std::u16string name = reportName(abbrev);
    const std::size_t last = name.find_last_not_of(u' ');
    name.resize(last == std::u16string::npos ? 0 : last + 1);
    return name;
}

std::vector<ReportMember> reportMembers(const MeetingState& state, ReportKind kind) {
    std::vector<ReportMember> members;
    const int sizes[2] = {boundedTeamSize(state, 0), boundedTeamSize(state, 1)};
    const int positions = sizes[0] + sizes[1];
    for (int pos = 1; pos <= positions; ++pos) {
        for (int team = 0; team < 2; ++team) {
            for (int i = 1; i <= sizes[team]; ++i) {
                if (rankFor(state, team, i, kind) == pos) {
                    members.push_back(memberFigures(state, team, i, pos));
                }
            }
        }
    }
    return members;
}

// Each match of a team is counted in the rows of two of its members, so the
// team totals are halved.
ReportTeamTotals reportTeamTotals(const MeetingState& state, int team) {
    const auto& row = state.resultTable[team][kTotalsRow];
    const double matches = row[PlayedCount];
    const ScoreParts wl = packedParts(state, team, kTotalsRow, WinsLosses);
    const ScoreParts games = packedParts(state, team, kTotalsRow, GamesWonLost);
    const double wins = static_cast<double>(wl.first);
    const double losses = static_cast<double>(wl.second);
    ReportTeamTotals totals;
    totals.draws = std::clamp<long long>(roundHalfEven((wins + losses - matches) / 2.0),
                                         std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max());
    const double draws = static_cast<double>(totals.draws);
    totals.matches = matches / 2.0;
    totals.wins = wins / 2.0 - draws;
    totals.losses = losses / 2.0 - draws;
    totals.gamesWon = static_cast<double>(games.first) / 2.0;
    totals.gamesLost = static_cast<double>(games.second) / 2.0;
    return totals;
}

StandingsReport buildStandingsReport(const MeetingState& state, ReportKind kind) {
    StandingsReport report;
    report.memberLines.push_back(u"順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称");
    switch (kind) {
    case ReportKind::Overall:
        report.title = u"☆ 総合成績 ☆";
        break;
    case ReportKind::Men:
        report.title = u"☆ 男性成績 ☆";
        break;
    case ReportKind::Women:
        report.title = u"☆ 女性成績 ☆";
        break;
    }
    for (const ReportMember& member : reportMembers(state, kind)) {
        report.memberLines.push_back(memberLine(member));
    }

    report.teamAName = state.teamNameA;
    report.teamBName = state.teamNameB;
    teamTexts(reportTeamTotals(state, 0), report.teamAMatches, report.teamARecord,
              report.teamAGames);
    report.teamBHidden = state.matchMethod == MatchMethod::OneTeamSingles;
    if (!report.teamBHidden) {
        teamTexts(reportTeamTotals(state, 1), report.teamBMatches, report.teamBRecord,
                  report.teamBGames);
    }
    return report;
}
