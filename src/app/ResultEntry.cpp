#include "app/ResultEntry.h"

#include "app/LogCommands.h"
#include "app/MatchRelease.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "results/StandingsReport.h"
#include "text/LeadingNumber.h"
#include "text/NumberPattern.h"
#include "text/Rounding.h"

#include <cstdint>

namespace {

constexpr int kMaxGames = 999;

// A score box's number: its leading number, rounded half to even; false when
// it is out of range for a score.
bool readGames(std::u16string_view text, int& games) {
    return roundHalfEvenToInt32(leadingNumber(text), games) && games >= 0 && games <= kMaxGames;
}

// The names go in without the blanks that pad their fields: the log line
// holds 80 bytes, and padded doubles names would push the score out.
std::u16string sideText(const MeetingState& state, int side) {
    const auto& names = state.memberAbbrev.at(state.pickTeam.at(side));
    // Appended rather than written as u"(" + name: GCC 12 at -O3 warns
    // wrongly (-Wrestrict) about the inlined concatenation.
    std::u16string text = u"(";
    text += plainName(names.at(state.pickMember1.at(side)).str());
    const std::u16string partner = plainName(names.at(state.pickMember2.at(side)).str());
    if (!partner.empty() && state.matchMethod != MatchMethod::OneTeamSingles) {
        text += u"+" + partner;
    }
    return text + u")";
}

} // namespace

bool acceptsScoreKey(char16_t key) {
    return key <= 65;
}

std::u16string resultLogLine(const MeetingState& state, int games0, int games1) {
    return u"結果 " + sideText(state, 0) + u" ＶＳ " + sideText(state, 1) +
           formatNumber(games0, u" ##0") + u" : " + formatNumber(games1, u"##0 ");
}

bool enterResult(Program& program, std::u16string_view text1, std::u16string_view text2) {
    MeetingState& state = program.state;
    int games0 = 0;
    int games1 = 0;
    if (!readGames(text1, games0) || !readGames(text2, games1) || games0 + games1 == 0) {
        program.platform.beep();
        return false;
    }
    const std::int32_t code0 = games0 * 1000 + games1;
    const std::int32_t code1 = games1 * 1000 + games0;
    const std::array<std::int32_t, 2> codes = {code0, code1};
    for (int side = 0; side < 2; ++side) {
        const int team = state.pickTeam.at(side);
        const int first = state.pickMember1.at(side);
        const int second = state.pickMember2.at(side);
        state.resultTable.at(team).at(first).at(second) = codes.at(side);
        // In doubles each partner finds the pair's score in its own row.
        if (state.matchMethod != MatchMethod::OneTeamSingles) {
            state.resultTable.at(team).at(second).at(first) = codes.at(side);
        }
    }
    releaseRunningMatch(program, PairFinished);
    appendLog(program, resultLogLine(state, games0, games1));
    return true;
}
