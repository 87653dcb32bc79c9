#pragma once

#include <cstdint>

class Program;

// Ends the running match held in the picks: both pairs get the code (5
// finished, 0 back in the pool, 9 forfeited), slot removeSlot leaves the
// running-match list and the meeting is saved. Returns the save's success.
bool releaseRunningMatch(Program& program, std::int16_t pairCode);

// The YES of the cancel confirmation: the pairs return to the pool.
void cancelMatch(Program& program);

// The YES of the forfeit confirmation: the pairs are never offered again.
void forfeitMatch(Program& program);
