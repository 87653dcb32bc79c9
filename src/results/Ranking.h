#pragma once

struct MeetingState;

// Clears the rank columns 26 and 27 of both teams' members and ranks the
// men, the women (column 26) and everybody (column 27).
void rankMembers(MeetingState& state);

// One ranking pass over both teams together: sx 0 ranks the men who are not
// resting, 1 the women who are not resting (column 26), 2 everybody (column
// 27). Higher win rate first, then higher point win rate; members equal in
// both share a rank (1, 2, 2, 4). Only members who played are ranked, and a
// member with both rates 0 keeps rank 0.
void rankGroup(MeetingState& state, int sx);
