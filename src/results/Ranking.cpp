#include "results/Ranking.h"

#include "state/MeetingState.h"
#include "state/StateBounds.h"

#include <cstdint>
#include <vector>

void rankMembers(MeetingState& state) {
    for (int team = 0; team < 2; ++team) {
        const int size = boundedTeamSize(state, team);
        for (int i = 1; i <= size; ++i) {
            state.resultTable[team][i][SexRank] = 0;
            state.resultTable[team][i][OverallRank] = 0;
        }
    }
    rankGroup(state, 0);
    rankGroup(state, 1);
    rankGroup(state, 2);
}

namespace {

struct Member {
    int team = 0;
    int slot = 0;
};

} // namespace

void rankGroup(MeetingState& state, int sx) {
    const int column = sx == 2 ? OverallRank : SexRank;
    const int sizes[2] = {boundedTeamSize(state, 0), boundedTeamSize(state, 1)};
    const int positions = sizes[0] + sizes[1];

    // Every member tied with the best one is kept, however many there are.
    std::vector<Member> ties;
    ties.reserve(static_cast<std::size_t>(positions));
    for (int pos = 1; pos <= positions; ++pos) {
        std::int32_t bestRate = 0;
        std::int32_t bestPoints = 0;
        bool found = false;
        Member best;
        ties.clear();
        for (int team = 0; team < 2; ++team) {
            for (int i = 1; i <= sizes[team]; ++i) {
                const auto& row = state.resultTable[team][i];
                const bool eligible =
                    (sx == 2 || state.memberStatus[team][i] == sx) && row[column] <= 0;
                if (!eligible || row[PlayedCount] == 0) {
                    continue;
                }
                const std::int32_t rate = row[WinRate];
                const std::int32_t points = row[PointWinRate];
                if (rate > bestRate || (rate == bestRate && points > bestPoints)) {
                    bestRate = rate;
                    bestPoints = points;
                    best = {team, i};
                    found = true;
                    ties.clear();
                } else if (rate == bestRate && points == bestPoints) {
                    ties.push_back({team, i});
                }
            }
        }
        if (found) {
            state.resultTable[best.team][best.slot][column] = pos;
            for (const Member& tie : ties) {
                state.resultTable[tie.team][tie.slot][column] = pos;
            }
            pos += static_cast<int>(ties.size());
        }
    }
}
