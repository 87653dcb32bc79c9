#include "app/SuggestedPicks.h"

#include "app/Program.h"
#include "app/RegisterLink.h"
#include "matching/MatchStart.h"
#include "platform/Clock.h"
#include "suggestions/SuggestionEngine.h"

PickOutcome makeSuggestedPicks(Program& program, const Suggestion& suggestion) {
    MeetingState& state = program.state;
    endSelection(state);
    PickOutcome outcome = PickOutcome::Refused;
    for (const PickCell& cell : suggestion.cells) {
        state.currentTeam = static_cast<std::int16_t>(cell.team);
        outcome = selectPair(state, program.platform, cell.column, cell.row);
        if (outcome == PickOutcome::Refused) {
            endSelection(state);
            return outcome;
        }
    }
    return outcome;
}

bool startPickedMatch(Program& program) {
    if (!startMatch(program.state, program.platform)) {
        return false;
    }
    program.matchTimes.recordStart(program.state, secondsOf(program.clock.now()));
    reportRegisterError(program, program.matchTimes.lastError());
    return true;
}

std::vector<Suggestion> currentSuggestions(Program& program, int count) {
    const SeasonHistory& history =
        program.seasonHistory.historyFor(program.meetingFile, program.state);
    program.matchTimes.follow(program.state);
    SuggestionContext context{program.state, history, &program.matchTimes,
                              secondsOf(program.clock.now()),
                              static_cast<std::uint64_t>(program.state.meetingCount)};
    ClubFacts club;
    if (program.clubRegister.isOpen()) {
        club.profiles = program.clubRegister.profiles();
        club.rules = program.clubRegister.pairRules();
        if (const std::optional<MeetingRef> meeting = currentMeeting(program.state)) {
            club.presence = program.clubRegister.presence(*meeting);
        }
        context.club = &club;
    }
    return suggestMatches(context, count);
}
