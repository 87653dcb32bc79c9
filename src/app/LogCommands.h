#pragma once

#include <string>
#include <string_view>

class Program;

// The activity log's operations as the program runs them: each runs the
// ActivityLog operation on program.log and shows what its failure means.

// Adds `text` as the log's next entry; true when it was written.
bool appendLog(Program& program, const std::u16string& text);
// At start-up: takes the entry count from the log, warns when the log
// overflows and logs "起動". A log that cannot be read is left alone.
void startLog(Program& program);
// The log viewer's text; false, with the text empty, after a failed read.
bool readLogText(Program& program, std::u16string& text);
// "ログｸﾘｱｰ(&C)": asks, then restarts the log.
void clearLog(Program& program);

// The texts of the log viewer LogViewerDialog.
std::u16string logViewerCaption();
std::u16string logViewerTitle();
inline constexpr std::u16string_view kLogViewerHeader = u" NO YY/MM/DD TIME    区分　内容　";
