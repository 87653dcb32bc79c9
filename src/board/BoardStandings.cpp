#include "board/BoardStandings.h"

#include "results/StandingsReport.h"
#include "suggestions/MeetingReading.h"

#include <algorithm>

namespace {

int clampedInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, 0, 1'000'000));
}

} // namespace

std::array<StandingsTable, 3> buildBoardStandings(const MeetingState& tonight) {
    constexpr std::array<const char16_t*, 3> kTitles = {u"総合", u"男子", u"女子"};
    std::array<StandingsTable, 3> tables;
    for (int g = 0; g < 3; ++g) {
        StandingsTable& table = tables.at(static_cast<std::size_t>(g));
        table.group = static_cast<StandingsGroup>(g);
        table.title = kTitles.at(static_cast<std::size_t>(g));
        for (const ReportMember& m : reportMembers(tonight, static_cast<ReportKind>(g))) {
            if (static_cast<int>(table.rows.size()) == kStandingsShown) {
                break;
            }
            table.rows.push_back({clampedInt(m.pos), memberName(tonight, m.team, m.member), m.team,
                                  clampedInt(m.matches), clampedInt(m.wins),
                                  clampedInt(m.winRate)});
        }
    }
    return tables;
}
