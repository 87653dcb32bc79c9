#include "app/ResultCorrection.h"

#include "app/LogCommands.h"
#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "results/StandingsReport.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

namespace {

struct Cell {
    int team;
    int column;
    int row;
};

Cell correctionCell(const MeetingState& state) {
    return {state.currentTeam, state.correctionCell[0], state.correctionCell[1]};
}

} // namespace

CorrectionView loadCorrection(const MeetingState& state) {
    const Cell cell = correctionCell(state);
    const std::int32_t code = state.resultTable.at(cell.team).at(cell.column).at(cell.row);
    CorrectionView view;
    view.teamName = cell.team == 0 ? state.teamNameA : state.teamNameB;
    view.won = formatNumber(code / 1000, u"##0");
    view.lost = formatNumber(code % 1000, u"##0");
    view.member = state.memberAbbrev.at(cell.team).at(cell.column).str();
    view.otherMember = state.memberAbbrev.at(cell.team).at(cell.row).str();
    view.singles = state.matchMethod == MatchMethod::OneTeamSingles;
    return view;
}

bool correctResult(Program& program, std::u16string_view text1, std::u16string_view text2) {
    MeetingState& state = program.state;
    const Cell cell = correctionCell(state);
    const double won = leadingNumber(text1);
    const double lost = leadingNumber(text2);
    int code = 0;
    int mirrored = 0;
    // Only the 999 limit is checked for the score itself (negative numbers
    // pass and are never counted); a code that overflows 32 bits is refused
    // like a number above 999.
    if (won > 999 || lost > 999 || !roundHalfEvenToInt32(won * 1000 + lost, code) ||
        !roundHalfEvenToInt32(lost * 1000 + won, mirrored)) {
        program.platform.beep();
        return false;
    }
    auto& results = state.resultTable.at(cell.team);
    const std::int32_t old = results.at(cell.column).at(cell.row);
    results.at(cell.column).at(cell.row) = code;
    results.at(cell.row).at(cell.column) =
        state.matchMethod == MatchMethod::OneTeamSingles ? mirrored : code;
    state.setPair(cell.team, cell.column, cell.row,
                  won == 0 && lost == 0 ? PairFirstClass : PairFinished);

    saveMeeting(program, state.viewedMeeting > 0 ? SaveTarget::ViewedMeeting : SaveTarget::Meeting);
    const auto& names = state.memberAbbrev.at(cell.team);
    appendLog(program, u"訂正 (" + reportName(names.at(cell.column).str()) + u"+" +
                           reportName(names.at(cell.row).str()) + u") " +
                           formatNumber(old / 1000, u"##0:") + formatNumber(old % 1000, u"##0") +
                           u" -> " + formatNumber(won, u"##0:") + formatNumber(lost, u"##0"));
    return true;
}
