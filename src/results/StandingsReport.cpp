#include "results/StandingsReport.h"

#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

std::int32_t rankFor(const MeetingState& state, int team, int i, ReportKind kind) {
    const auto& row = state.ResultTable[team][i];
    switch (kind) {
    case ReportKind::Overall:
        return row[OverallRank];
    case ReportKind::Men:
        return state.MemberStatus[team][i] == 0 ? row[SexRank] : 0;
    case ReportKind::Women:
        return state.MemberStatus[team][i] == 1 ? row[SexRank] : 0;
    }
    return 0;
}

// Draws count as a win and a loss in the packed column; the line shows wins
// and losses without them and the draws in brackets.
std::u16string memberLine(const MeetingState& state, int team, int i, int pos) {
    const auto& row = state.ResultTable[team][i];
    const long long matches = row[PlayedCount];
    const ScoreParts wl = splitScore(row[WinsLosses]);
    const long long draws = wl.first + wl.second - matches;
    return formatNumber(static_cast<long long>(pos), u" 00   ") + u"   " +
           formatNumber(matches, u"00") + u"   " + formatNumber(wl.first - draws, u"  00") + u":" +
           formatNumber(wl.second - draws, u"00 ") + u"(" + formatNumber(draws, u"00") + u") " +
           formatNumber(row[WinRate], u" 000") + u"%" + formatNumber(row[PointWinRate], u"  000") +
           u"%   " + reportName(state.MemberAbbrev[team][i].str());
}

// Each match of a team is counted in the rows of two of its members, so the
// team totals are halved. The halves are real numbers (one-team singles can
// leave a half); the draws are rounded to a whole 16-bit number.
void teamTexts(const MeetingState& state, int team, std::u16string& matchesText,
               std::u16string& winsText, std::u16string& gamesText) {
    const auto& totals = state.ResultTable[team][kTotalsRow];
    const double matches = totals[PlayedCount];
    const ScoreParts wl = splitScore(totals[WinsLosses]);
    const ScoreParts games = splitScore(totals[GamesWonLost]);
    const double wins = static_cast<double>(wl.first);
    const double losses = static_cast<double>(wl.second);
    const long long draws = std::clamp<long long>(roundHalfEven((wins + losses - matches) / 2.0),
                                                  std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max());
    const double drawsReal = static_cast<double>(draws);
    matchesText = u" 総試合数＝ " + formatNumber(matches / 2.0, u"###0");
    winsText = u" 総勝敗数＝ " + formatNumber(wins / 2.0 - drawsReal, u"###0") + u":" +
               formatNumber(losses / 2.0 - drawsReal, u"###0") + u"(" +
               formatNumber(draws, u"###0") + u")";
    gamesText = u" 総ﾎﾟｲﾝﾄ ＝ " + formatNumber(static_cast<double>(games.first) / 2.0, u"###0") +
                u":" + formatNumber(static_cast<double>(games.second) / 2.0, u"###0");
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

StandingsReport point_dsp(const MeetingState& state, ReportKind kind) {
    StandingsReport report;
    report.List1.push_back(u"順位 試合数   勝:敗 (引分) 勝率  ﾎﾟ勝率  略称");
    switch (kind) {
    case ReportKind::Overall:
        report.Text7 = u"☆ 総合成績 ☆";
        break;
    case ReportKind::Men:
        report.Text7 = u"☆ 男性成績 ☆";
        break;
    case ReportKind::Women:
        report.Text7 = u"☆ 女性成績 ☆";
        break;
    }

    const int sizes[2] = {boundedTeamSize(state, 0), boundedTeamSize(state, 1)};
    const int positions = sizes[0] + sizes[1];
    for (int pos = 1; pos <= positions; ++pos) {
        for (int team = 0; team < 2; ++team) {
            for (int i = 1; i <= sizes[team]; ++i) {
                if (rankFor(state, team, i, kind) == pos) {
                    report.List1.push_back(memberLine(state, team, i, pos));
                }
            }
        }
    }

    report.Label3 = state.TeamNameA;
    report.Label4 = state.TeamNameB;
    teamTexts(state, 0, report.Text1, report.Text2, report.Text5);
    report.teamBHidden = state.MatchMethod == 2;
    if (!report.teamBHidden) {
        teamTexts(state, 1, report.Text3, report.Text4, report.Text6);
    }
    return report;
}
