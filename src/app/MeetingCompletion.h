#pragma once

class Program;

// The menu "完了報告(&E)": item 0 completes the current meeting and starts the
// next one, item 2 goes back to the previous meeting as it was completed;
// any other item does nothing. Returns true when the meeting in memory
// changed and the pairing table must be redrawn.
bool runCompletionMenuItem(Program& program, int index);

bool completeMeeting(Program& program);
bool undoCompletion(Program& program);
