#pragma once

class Program;

// Sets the roster's お休み flag of every member of the current meeting from
// their check-in: resting when not arrived, on a break, gone or past their
// announced leaving time; playing otherwise. Applies only once somebody has
// arrived at the meeting, so a club that does not use the check-in keeps
// the flags it ticks by hand. Changes the meeting in memory only; it is
// written with the meeting's next save. Returns whether a flag changed.
bool applyPresence(Program& program);
