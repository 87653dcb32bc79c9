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

FileOutcome mnfileitem_Click(Program& program, MainLayout& layout, int index);

// A recent-file entry, 1-based as the menu numbers them.
void mnfilearray_Click(Program& program, int index);

void NewOrClose(Program& program, NewOrCloseMode mode);
void OpenWithQuestions(Program& program, const std::u16string& path);
