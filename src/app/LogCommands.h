#pragma once

#include <string>
#include <string_view>

class Program;

// Items of the Log menu (mnlogitem); 1 is a separator.
enum LogMenuItem : int { LogView = 0, LogClear = 2 };

// Runs a Log menu item. Returns true when the window should open the log
// viewer.
bool runLogMenuItem(Program& program, int index);

// The texts of the log viewer LogViewerDialog.
std::u16string logViewerCaption();
std::u16string logViewerTitle();
inline constexpr std::u16string_view kLogViewerHeader = u" NO YY/MM/DD TIME    区分　内容　";
