#pragma once

class Program;

// The main window's view commands as operations on the program: what the
// buttons "合計切替", "前回表示" and "表示戻し" and the menu "成績表示(&P)" do
// before anything is drawn. A refusal is the platform's beep and changes
// nothing; each returns false when it refused or failed.

// Rebuilds the main view with the program's display mode.
void buildPairingTable(Program& program);

// "合計切替": the totals over all meetings, refused while an earlier meeting
// is shown or when the file holds a single meeting.
bool switchToTotals(Program& program);

// "前回表示": shows the meeting before the one shown; the first press keeps
// the current meeting aside. Refused when there is no earlier meeting.
bool showPreviousMeeting(Program& program);

// "表示戻し": returns to the current meeting as it was kept; never refused.
void showCurrentMeeting(Program& program);

// "成績表示(&P)" up to the dialog: refuses without an open file (message),
// then builds the totals over all meetings. True when the report may open.
bool prepareStandingsReport(Program& program);
