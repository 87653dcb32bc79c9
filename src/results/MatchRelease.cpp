#include "results/MatchRelease.h"

#include "app/Program.h"

bool releaseRunningMatch(Program& program, std::int16_t pairCode) {
    MeetingState& state = program.state;
    for (int side = 0; side < 2; ++side) {
        state.setPair(state.PickTeam.at(side), state.PickMember1.at(side),
                      state.PickMember2.at(side), pairCode);
    }
    RemoveRunningSlot(state);
    return program.meetingFile.SaveMeeting(0);
}

void cancelMatch(Program& program) {
    releaseRunningMatch(program, PairFirstClass);
}

void forfeitMatch(Program& program) {
    releaseRunningMatch(program, PairUnavailable);
}
