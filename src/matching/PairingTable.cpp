#include "matching/PairingTable.h"

#include "matching/MainView.h"
#include "matching/PairPriorities.h"
#include "results/Points.h"
#include "results/ResultsGrid.h"
#include "results/ScoreCode.h"
#include "state/MeetingState.h"
#include "state/StateBounds.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

#include <algorithm>
#include <string>

namespace {

constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kDarkRed{170, 32, 32};
constexpr Rgb kLightBlue{128, 128, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr int kSeparatorTwips = 20;
constexpr std::u16string_view kPicked = u"選択";

bool twoTeamDoubles(const MeetingState& state) {
    return state.matchMethod == MatchMethod::TwoTeamDoubles &&
           state.intraTeamMode == IntraTeamMode::Off;
}

// The larger team, at least 3. When both teams are smaller than 3, each
// small team is raised to 3 (its extra slots are simply shown).
int fixTableSize(MeetingState& state) {
    const int larger = std::max(boundedTeamSize(state, 0), boundedTeamSize(state, 1));
    if (larger >= 3) {
        return larger;
    }
    for (int team = 0; team < 2; ++team) {
        if (state.teamSize[team] < 3) {
            state.teamSize[team] = 3;
        }
    }
    return 3;
}

void setWindowTexts(const MeetingState& state, MainView& view, int team) {
    view.caption = u"　　ラリーノートメイン" + std::u16string(26, u' ') + state.meetingTitle.str();
    view.fileLabel =
        u"ﾌｧｲﾙ名称：" + (state.currentPath.empty() ? u"開かれていません" : state.currentPath);
    view.teamLabel = u"☆ " + (team == 0 ? state.teamNameA : state.teamNameB) + u" ☆";
    const int meeting = state.viewedMeeting > 0 ? state.viewedMeeting : state.meetingCount;
    view.meetingLabel = u"開催回数: " + formatNumber(meeting, u"#0");
}

void setModeLook(const MeetingState& state, MainView& view, int team) {
    view.windowBack = team == 0 ? kTeal : kDarkRed;
    view.methodLabelBack = state.intraTeamMode == IntraTeamMode::On ? kRed : kLightBlue;
    switch (state.matchMethod) {
    case MatchMethod::TwoTeamDoubles:
        view.methodLabel = state.intraTeamMode == IntraTeamMode::On ? u"2ﾁｰﾑ制(1ﾁｰﾑﾀﾞﾌﾞﾙｽ)"
                                                                    : u"２チーム制(ﾀﾞﾌﾞﾙｽ)";
        break;
    case MatchMethod::OneTeamDoubles:
        view.methodLabel = u"１チーム制(ﾀﾞﾌﾞﾙｽ)";
        break;
    case MatchMethod::OneTeamSingles:
        view.methodLabel = u"１チーム制(ｼﾝｸﾞﾙｽ)";
        break;
    default:
        view.methodLabel.clear();
        break;
    }
}

int twips(double value) {
    return saturateInt32(roundHalfEven(value));
}

// Gives the grid D + 9 rows and D + 3 columns, every cell empty.
void setShape(MainView& view, int d, int displayMode) {
    GridModel& grid = view.grid;
    grid.resize(d + 9, d + 3);
    for (int column = 1; column <= d + 2; ++column) {
        grid.centred[column] = true;
    }
    const int width = twips(static_cast<double>(view.gridInnerWidth) / (d + 2));
    for (int column = 0; column <= d + 2; ++column) {
        grid.columnWidths[column] = column == d + 1 ? kSeparatorTwips : width;
    }
    const int extra = displayMode == 1 ? 1 : 8;
    const int height = twips(static_cast<double>(view.gridInnerHeight) / (d + 1 + extra));
    for (int row = 0; row <= d + 8; ++row) {
        grid.rowHeights[row] = row == d + 1 ? kSeparatorTwips : height;
    }
}

std::u16string_view symbolOf(std::int16_t code) {
    switch (code) {
    case PairFirstClass:
        return u"  ●";
    case PairSecondClass:
        return u"  □";
    case PairFirstClassBusy:
        return u"  ★";
    case PairSecondClassBusy:
        return u"  △";
    case PairResting:
        return u"  休";
    case PairUnavailable:
        return u"  ×";
    default:
        return {};
    }
}

// Column i, row j shows the pair (i, j): its result in either triangle,
// otherwise its symbol above the diagonal and "試合中" while it is playing.
std::u16string pairText(const MeetingState& state, int team, int i, int j) {
    const std::int32_t result = state.resultTable[team][i][j];
    if (result != 0) {
        const ScoreParts games = splitScore(result);
        return formatNumber(games.first, u" ##0") + u":" + formatNumber(games.second, u"##0");
    }
    if (state.viewedMeeting > 0) {
        return {};
    }
    const std::int16_t code = state.pairState[team][i][j];
    if (code == PairRunning) {
        return u"試合中";
    }
    return i > j ? std::u16string(symbolOf(code)) : std::u16string();
}

void drawPicks(const MeetingState& state, GridModel& grid, int team) {
    if (twoTeamDoubles(state)) {
        if (state.pickMember1[team] > 0) {
            grid.set(state.pickMember2[team], state.pickMember1[team], kPicked);
            grid.set(state.pickMember1[team], state.pickMember2[team], kPicked);
        }
        return;
    }
    if (state.pickMember1[0] > 0) {
        grid.set(state.pickMember2[0], state.pickMember1[0], kPicked);
    }
    // Until the second side is picked its (empty) cell is the heading row's:
    // the corner cell says a pick is awaited.
    if (state.pickMember1[1] == 0) {
        grid.set(0, state.pickMember2[1], kPicked);
    }
}

void drawTable(const MeetingState& state, MainView& view, int team) {
    GridModel& grid = view.grid;
    const int d = view.tableSize;
    const int members = std::min(boundedTeamSize(state, team), d);
    for (int m = 1; m <= members; ++m) {
        grid.set(0, m, state.memberAbbrev[team][m].str());
        grid.set(m, 0, state.memberAbbrev[team][m].str());
    }
    grid.set(0, d + 2, u"[合計]");
    for (int i = 1; i <= members; ++i) {
        for (int j = 1; j <= members; ++j) {
            grid.set(j, i, i == j ? u"＼＼" : pairText(state, team, i, j));
        }
    }
    drawPicks(state, grid, team);
}

} // namespace

void buildPairingTable(MeetingState& state, MainView& view, int displayMode) {
    const int team = boundedTeam(state.currentTeam);
    state.viewState = ViewState::PairingTable;
    view.tableSize = fixTableSize(state);
    setWindowTexts(state, view, team);

    sumMemberPoints(state, 0);
    sumMemberPoints(state, 1);
    const PlayedColumn played = addRunningToPlayed(state, team);
    markPriorities(state, team);

    setShape(view, view.tableSize, displayMode);
    setModeLook(state, view, team);
    drawTable(state, view, team);
    buildResultsRows(state, view);
    restorePlayed(state, team, played);

    long long total = 0;
    for (int u = 0; u < 2; ++u) {
        const std::int32_t matches = teamMatches(state, u);
        state.resultTable[u][kTotalsRow][PlayedCount] = matches;
        total += matches;
    }
    state.playedTotal = saturateInt32(total);
}
