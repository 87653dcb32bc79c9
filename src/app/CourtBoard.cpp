#include "app/CourtBoard.h"

#include "app/Program.h"
#include "app/SuggestedPicks.h"
#include "board/BoardBuilder.h"
#include "board/TonightMeeting.h"
#include "platform/Clock.h"
#include "suggestions/SuggestionEngine.h"

BoardContent courtBoard(Program& program) {
    const MeetingState tonight = tonightMeeting(program.state);
    BoardInputs inputs{program.state, &program.matchTimes,
                       suggestionsFor(program, tonight, kNextMatchesShown), program.clock.now(),
                       program.workDir};
    return buildBoardContent(inputs);
}
