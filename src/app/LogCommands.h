#pragma once

#include <string>
#include <string_view>

class Program;

// "ログｸﾘｱｰ(&C)": asks, then restarts the log.
void clearLog(Program& program);

// The texts of the log viewer LogViewerDialog.
std::u16string logViewerCaption();
std::u16string logViewerTitle();
inline constexpr std::u16string_view kLogViewerHeader = u" NO YY/MM/DD TIME    区分　内容　";
