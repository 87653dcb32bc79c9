#pragma once

struct WindowGeometry;
class MainLayout;
class Program;

// Start-up of the main window: settings, the placeholder meeting of two teams
// of ten, the first drawing, the log entry "起動", the first tab.
void startProgram(Program& program, MainLayout& layout, const WindowGeometry& designed);

// Closing the main window. Returns true to keep it open (the user said No to
// a question); otherwise the end of the run has been logged and the
// settings saved.
bool handleCloseRequest(Program& program);

// The questions Exit and closing share: running matches, unsaved scratch
// data. False when the user said No.
bool confirmEnd(Program& program);

// Logs "終了" or "強制終了" and saves the settings and the recent files.
void finishRun(Program& program);

// Makes the working folder the current directory again (file dialogs may
// have changed it).
void enterWorkingFolder(const Program& program);
