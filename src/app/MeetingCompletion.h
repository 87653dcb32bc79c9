#pragma once

class Program;

// The menu "完了報告(&E)": "終了(&E)" completes the current meeting and starts
// the next one, "終了戻し(&C)" goes back to the previous meeting as it was
// completed. Each returns true when the meeting in memory changed and the
// pairing table must be redrawn.
bool completeMeeting(Program& program);
bool undoCompletion(Program& program);
