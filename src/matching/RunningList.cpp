#include "matching/RunningList.h"

#include "platform/Platform.h"
#include "state/MeetingState.h"
#include "text/NumberPattern.h"

#include <algorithm>

namespace {

// The line break inside a list cell: character 10, then character 13.
constexpr std::u16string_view kCellBreak = u"\n\r";

std::u16string heading(std::u16string_view label, const std::u16string& teamName) {
    return std::u16string(label) + std::u16string(kCellBreak) + teamName;
}

std::u16string cutAtNul(const std::u16string& text) {
    return text.substr(0, text.find(u'\0'));
}

int rowHeightDivisor(int rows) {
    if (rows <= 4) {
        return 4;
    }
    return rows == 5 ? 5 : 6;
}

} // namespace

void openRunningList(MeetingState& state) {
    state.viewState = ViewState::RunningList;
}

GridModel buildRunningList(const MeetingState& state, int usableWidth, int usableHeight) {
    const bool singles = state.intraTeamMode != IntraTeamMode::On &&
                         state.matchMethod == MatchMethod::OneTeamSingles;
    const int running = std::clamp<int>(state.runningCount, 0, kMaxRunning);

    GridModel grid;
    grid.resize(std::max(running + 1, 4), 5);
    // Column 0 holds only match numbers below its empty heading, left as they are.
    grid.centred = {false, true, true, true, true};
    grid.columnWidths = {usableWidth / 10, 5, usableWidth * 4 / 10, usableWidth / 10,
                         usableWidth * 4 / 10};
    grid.rowHeights.assign(static_cast<std::size_t>(grid.rows),
                           usableHeight / rowHeightDivisor(grid.rows));

    const std::u16string_view teamA = u"☆ チーム Ａ ☆";
    const std::u16string_view teamB = u"☆ チーム Ｂ ☆";
    switch (state.matchMethod) {
    case MatchMethod::TwoTeamDoubles:
        grid.at(0, 2) = heading(teamA, state.teamNameA);
        grid.at(0, 4) = heading(teamB, state.teamNameB);
        break;
    case MatchMethod::OneTeamDoubles:
        if (state.currentTeam == 0) {
            grid.at(0, 2) = heading(teamA, state.teamNameA);
        } else {
            grid.at(0, 2) = heading(teamB, state.teamNameB);
        }
        grid.at(0, 4) = grid.at(0, 2);
        break;
    default:
        grid.at(0, 2) = heading(u"☆☆☆☆☆☆", state.teamNameA);
        grid.at(0, 4) = grid.at(0, 2);
        break;
    }
    grid.at(0, 3) = u"ＶＳ";

    for (int row = 1; row < grid.rows; ++row) {
        grid.at(row, 0) = formatNumber(row, u"#0");
    }
    for (int slot = 1; slot <= running; ++slot) {
        for (int side = 0; side < 2; ++side) {
            const int team = state.slotTeam.at(side).at(slot);
            const auto& names = state.memberAbbrev.at(team);
            std::u16string cell = cutAtNul(names.at(state.slotMember1.at(side).at(slot)).str());
            if (!singles) {
                cell += kCellBreak;
                cell += names.at(state.slotMember2.at(side).at(slot)).str();
            }
            grid.at(slot, side == 0 ? 2 : 4) = cell;
        }
    }
    return grid;
}

bool chooseRunningMatch(MeetingState& state, Platform& platform, int row) {
    // The running matches belong to the current meeting, which is put aside
    // while an earlier one is shown: a result entered now would go into the
    // earlier meeting's record.
    if (state.viewedMeeting > 0) {
        platform.showMessage(u"前回表示中です。表示を戻してから実行して下さい。", kAppTitle);
        return false;
    }
    state.removeSlot = static_cast<std::int16_t>(row);
    if (row < 1 || row > state.runningCount) {
        platform.beep();
        return false;
    }
    for (int side = 0; side < 2; ++side) {
        state.pickTeam[side] = state.slotTeam[side][row];
        state.pickMember1[side] = state.slotMember1[side][row];
        state.pickMember2[side] = state.slotMember2[side][row];
    }
    return true;
}
