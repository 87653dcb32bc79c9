#pragma once

#include "board/BoardContent.h"

class MatchTimes;

struct BoardWaiting {
    std::vector<WaitingMember> waiting;
    std::vector<WaitingMember> resting;
};

// Who of tonight's participants (team A in singles, both teams otherwise)
// is free and has played, longest wait first, and who rests. Members in a
// running match appear in neither list.
BoardWaiting buildBoardWaiting(const MeetingState& tonight, const MatchTimes* times, long long now);
