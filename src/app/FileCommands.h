#pragma once

#include <string>

class MainLayout;
class Program;

enum class NewOrCloseMode { New, Close };

// What the window does after a File command.
enum class FileOutcome {
    Stay, // redraw and carry on
    Quit, // Exit: the run has been logged and saved; end at once
};

// The File menu. Each command first refuses, with its message, while the
// intra-team mode is on or an earlier meeting is shown.
// "新規作成(&N)": saves the current meeting (asking where needed) and starts a
// new one in the scratch file; team A is shown.
void newMeeting(Program& program, MainLayout& layout);
// "開く(&O)": opens a data file chosen in the open dialog.
void openMeeting(Program& program, MainLayout& layout);
// "名前を付けて保存(&A)": copies the data file to a name chosen in the save
// dialog; beeps while no file is open.
void saveMeetingAs(Program& program, MainLayout& layout);
// "ｸﾛｰｽﾞ(&C)": saves the current meeting and closes the file; team A is shown.
void closeMeeting(Program& program, MainLayout& layout);
// "終了(&X)": Quit once the questions are answered and the run is logged.
FileOutcome exitProgram(Program& program);

// A recent-file entry, 1-based as the menu numbers them.
void openRecentFile(Program& program, int index);

void newOrClose(Program& program, NewOrCloseMode mode);
void openWithQuestions(Program& program, const std::u16string& path);
