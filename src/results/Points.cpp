#include "results/Points.h"

#include "results/PackedParts.h"
#include "results/ScoreCode.h"
#include "state/StateBounds.h"

void sumMemberPoints(MeetingState& state, int team) {
    team = boundedTeam(team);
    const int size = boundedTeamSize(state, team);
    auto& pairs = state.pairState[team];
    auto& results = state.resultTable[team];

    for (int i = 1; i <= size; ++i) {
        for (int j = 1; j <= size; ++j) {
            if (pairs[i][j] < PairSecondClassBusy) {
                pairs[i][j] = PairFirstClass;
            }
        }
    }

    for (int i = 1; i <= size; ++i) {
        long long matches = 0;
        long long wins = 0;
        long long losses = 0;
        long long gamesWon = 0;
        long long gamesLost = 0;
        for (int j = 1; j <= size; ++j) {
            const std::int32_t code = results[i][j];
            if (pairs[i][j] >= 6 || code <= 0) {
                continue;
            }
            const ScoreParts games = splitScore(code);
            if (games.first >= games.second) {
                ++wins;
            }
            if (games.first <= games.second) {
                ++losses;
            }
            gamesWon += games.first;
            gamesLost += games.second;
            ++matches;
        }
        results[i][PlayedCount] = saturateInt32(matches);
        setPackedParts(state, team, i, WinsLosses, {wins, losses});
        setPackedParts(state, team, i, GamesWonLost, {gamesWon, gamesLost});
        results[i][WinRate] = percentOf(wins, wins + losses);
        results[i][PointWinRate] = percentOf(gamesWon, gamesWon + gamesLost);
    }
}

namespace {

// Sums the two parts of one packed column over a team's members and stores
// the sums and their rate in row 21.
void teamColumnTotal(MeetingState& state, int team, int column, int rateColumn) {
    const int size = boundedTeamSize(state, team);
    ScoreParts sum;
    for (int i = 1; i <= size; ++i) {
        const ScoreParts parts = packedParts(state, team, i, column);
        sum.first += parts.first;
        sum.second += parts.second;
    }
    setPackedParts(state, team, kTotalsRow, column, sum);
    state.resultTable[team][kTotalsRow][rateColumn] = percentOf(sum.first, sum.first + sum.second);
}

} // namespace

void computeTeamTotals(MeetingState& state) {
    for (int team = 0; team < 2; ++team) {
        teamColumnTotal(state, team, WinsLosses, WinRate);
        teamColumnTotal(state, team, GamesWonLost, PointWinRate);
    }
}

std::int32_t teamMatches(const MeetingState& state, int team) {
    team = boundedTeam(team);
    const int size = boundedTeamSize(state, team);
    long long sum = 0;
    for (int i = 1; i <= size; ++i) {
        sum += state.resultTable[team][i][PlayedCount];
    }
    return saturateInt32(sum);
}

void recomputeRates(MeetingState& state) {
    for (int team = 0; team < 2; ++team) {
        for (int m = 1; m <= kMaxTeamSize; ++m) {
            auto& row = state.resultTable[team][m];
            const ScoreParts winsLosses = packedParts(state, team, m, WinsLosses);
            const ScoreParts games = packedParts(state, team, m, GamesWonLost);
            row[WinRate] = percentOf(winsLosses.first, winsLosses.first + winsLosses.second);
            row[PointWinRate] = percentOf(games.first, games.first + games.second);
        }
    }
}

PlayedColumn addRunningToPlayed(MeetingState& state, int team) {
    team = boundedTeam(team);
    auto& results = state.resultTable[team];
    PlayedColumn saved{};
    for (int m = 0; m < kSlots; ++m) {
        saved[m] = results[m][PlayedCount];
    }
    const int size = boundedTeamSize(state, team);
    for (int i = 1; i <= size; ++i) {
        long long running = 0;
        for (int j = 1; j <= size; ++j) {
            if (state.pairState[team][i][j] == PairRunning) {
                ++running;
            }
        }
        results[i][PlayedCount] = saturateInt32(results[i][PlayedCount] + running);
    }
    return saved;
}

void restorePlayed(MeetingState& state, int team, const PlayedColumn& saved) {
    team = boundedTeam(team);
    for (int m = 0; m < kSlots; ++m) {
        state.resultTable[team][m][PlayedCount] = saved[m];
    }
}
