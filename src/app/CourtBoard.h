#pragma once

#include "board/BoardContent.h"

class Program;

// The courtside board of the program's current meeting at the program's
// clock: tonight's running and just finished matches, the next three
// suggestions, who waits and rests, and the standings. While an earlier
// meeting is shown in the main window it still shows tonight.
BoardContent courtBoard(Program& program);
