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
    return suggestionsFor(program, program.state, count);
}

std::vector<Suggestion> suggestionsFor(Program& program, const MeetingState& meeting, int count) {
    const SeasonHistory& history = program.seasonHistory.historyFor(program.meetingFile, meeting);
    program.matchTimes.follow(meeting);
    SuggestionContext context{meeting, history, &program.matchTimes, secondsOf(program.clock.now()),
                              static_cast<std::uint64_t>(meeting.meetingCount)};
    ClubFacts club;
    if (program.clubRegister.isOpen()) {
        club.profiles = program.clubRegister.profiles();
        club.rules = program.clubRegister.pairRules();
        if (const std::optional<MeetingRef> current = currentMeeting(meeting)) {
            club.presence = program.clubRegister.presence(*current);
        }
        context.club = &club;
    }
    return suggestMatches(context, count);
}
