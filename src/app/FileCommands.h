#pragma once

#include <string>

class MainLayout;
class Program;

// Items of the File menu (mnfileitem); 3 and 5 are separators.
enum FileMenuItem : int {
    FileNew = 0,
    FileOpen = 1,
    FileSaveAs = 2,
    FileClose = 4,
    FileExit = 6,
};

enum class NewOrCloseMode { New, Close };

// What the window does after a File command.
enum class FileOutcome {
    Stay, // redraw and carry on
    Quit, // Exit: the run has been logged and saved; end at once
};

FileOutcome runFileMenuItem(Program& program, MainLayout& layout, int index);

// A recent-file entry, 1-based as the menu numbers them.
void openRecentFile(Program& program, int index);

void newOrClose(Program& program, NewOrCloseMode mode);
void openWithQuestions(Program& program, const std::u16string& path);
