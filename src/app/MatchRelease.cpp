#include "app/MatchRelease.h"

#include "app/Program.h"
#include "app/RegisterLink.h"
#include "platform/Clock.h"

bool releaseRunningMatch(Program& program, std::int16_t pairCode) {
    MeetingState& state = program.state;
    for (int side = 0; side < 2; ++side) {
        state.setPair(state.pickTeam.at(side), state.pickMember1.at(side),
                      state.pickMember2.at(side), pairCode);
    }
    const MatchOutcome outcome = pairCode == PairFinished      ? MatchOutcome::Finished
                                 : pairCode == PairUnavailable ? MatchOutcome::Forfeited
                                                               : MatchOutcome::Cancelled;
    program.matchTimes.recordEnd(state, secondsOf(program.clock.now()), outcome);
    reportRegisterError(program, program.matchTimes.lastError());
    removeRunningSlot(state);
    return program.meetingFile.saveMeeting(SaveTarget::Meeting);
}

void cancelMatch(Program& program) {
    releaseRunningMatch(program, PairFirstClass);
}

void forfeitMatch(Program& program) {
    releaseRunningMatch(program, PairUnavailable);
}
