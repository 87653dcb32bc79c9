#pragma once

#include <functional>
#include <string_view>

class Program;
class QWidget;

// F1 (QKeySequence::HelpContents) while `window` is the active window opens
// its help page (HelpPage in app/Help.h) from the working folder. Every
// window and dialog with a help page installs it once, in its constructor.
void installHelpShortcut(QWidget& window, Program& program, std::string_view page);
// The same for a window whose parts have pages of their own: `page` names the
// page at the moment F1 is pressed.
void installHelpShortcut(QWidget& window, Program& program, std::function<std::string_view()> page);
