#include "app/MatchRelease.h"

#include "app/MeetingFileCommands.h"
#include "app/Program.h"
#include "platform/Clock.h"

bool releaseRunningMatch(Program& program, std::int16_t pairCode) {
    MeetingState& state = program.state;
    for (int side = 0; side < 2; ++side) {
        state.setPair(state.pickTeam.at(side), state.pickMember1.at(side),
                      state.pickMember2.at(side), pairCode);
    }
    program.matchTimes.recordEnd(state, secondsOf(program.clock.now()), pairCode == PairFinished);
    removeRunningSlot(state);
    return saveMeeting(program, SaveTarget::Meeting);
}

void cancelMatch(Program& program) {
    releaseRunningMatch(program, PairFirstClass);
}

void forfeitMatch(Program& program) {
    releaseRunningMatch(program, PairUnavailable);
}
