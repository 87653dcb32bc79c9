#include "results/ResultsGrid.h"

#include "matching/MainView.h"
#include "results/PackedParts.h"
#include "results/Points.h"
#include "results/Ranking.h"
#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "text/NumberPattern.h"

#include <algorithm>
#include <string>

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 192};

// "won:lost " of a packed column, with the member cell's patterns.
std::u16string memberPair(ScoreParts parts) {
    return formatNumber(parts.first, u" ##0") + u":" + formatNumber(parts.second, u"##0") + u" ";
}

std::u16string totalPair(ScoreParts parts) {
    return formatNumber(parts.first, u"###0") + u":" + formatNumber(parts.second, u"###0") + u" ";
}

std::u16string percent(std::int32_t value) {
    return formatNumber(value, u" #00") + u"%";
}

void setStatusLabel(const MeetingState& state, MainView& view) {
    view.statusLabelBack = kRed;
    if (state.viewedMeeting >= 1) {
        view.statusLabel = u"前回表示中";
    } else if (state.viewState == ViewState::Totals) {
        view.statusLabel = u"合計表示中";
    } else {
        view.statusLabel = u"組合せ表示";
        view.statusLabelBack = kDarkBlue;
    }
}

} // namespace

void buildResultsRows(MeetingState& state, MainView& view) {
    GridModel& grid = view.grid;
    const int n = view.tableSize;
    const int summary = n + 2;
    const int team = boundedTeam(state.currentTeam);
    const int members = std::min(boundedTeamSize(state, team), n);
    auto& results = state.resultTable[team];
    auto& totals = results[kTotalsRow];

    setStatusLabel(state, view);

    for (int row = 1; row <= n + 8; ++row) {
        grid.set(row, summary, u" ");
    }

    rankMembers(state);
    totals[PlayedCount] = teamMatches(state, team);

    const int matchesRow = n + 2;
    grid.set(matchesRow, 0, u"試合数");
    for (int i = 1; i <= members; ++i) {
        grid.set(matchesRow, i, formatNumber(results[i][PlayedCount], u"   ##0") + u" ");
    }
    for (int i = 1; i <= members; ++i) {
        grid.set(i, summary, formatNumber(results[i][PlayedCount], u"   ##0") + u" ");
    }
    grid.set(matchesRow, summary, formatNumber(totals[PlayedCount], u"  ###0") + u" ");

    computeTeamTotals(state);

    const int winsRow = n + 3;
    grid.set(winsRow, 0, u"勝：敗");
    for (int i = 1; i <= members; ++i) {
        grid.set(winsRow, i, memberPair(packedParts(state, team, i, WinsLosses)));
    }
    grid.set(winsRow, summary, totalPair(packedParts(state, team, kTotalsRow, WinsLosses)));
    grid.set(n + 5, summary, percent(totals[WinRate]));

    const int gamesRow = n + 4;
    grid.set(gamesRow, 0, u"ﾎﾟｲﾝﾄ");
    for (int i = 1; i <= members; ++i) {
        grid.set(gamesRow, i, memberPair(packedParts(state, team, i, GamesWonLost)));
    }
    grid.set(gamesRow, summary, totalPair(packedParts(state, team, kTotalsRow, GamesWonLost)));
    grid.set(n + 6, summary, percent(totals[PointWinRate]));

    grid.set(n + 5, 0, u"勝率");
    grid.set(n + 6, 0, u"ﾎﾟｲﾝﾄ勝率");
    grid.set(n + 7, 0, u"男女順位");
    grid.set(n + 8, 0, u"総合順位");
    for (int i = 1; i <= members; ++i) {
        grid.set(n + 5, i, percent(results[i][WinRate]));
        grid.set(n + 6, i, percent(results[i][PointWinRate]));
        // Women who are not resting carry an asterisk before their sex rank.
        const std::u16string sexRank =
            state.memberStatus[team][i] == 1
                ? u"*" + formatNumber(results[i][SexRank], u"  ##0") + u" "
                : formatNumber(results[i][SexRank], u"   ##0") + u" ";
        grid.set(n + 7, i, sexRank);
        grid.set(n + 8, i, formatNumber(results[i][OverallRank], u"   ##0"));
    }
    for (int column = members + 1; column <= summary; ++column) {
        grid.set(n + 8, column, u" ");
    }
}
