#pragma once

#include <string_view>

class Program;

// The key code of F1, the help key.
inline constexpr int kHelpKeyCode = 112;

// Opens the help page "html/<page>" of the working folder when keyCode is
// the help key; any other key does nothing.
void ShowHelp(Program& program, std::string_view page, int keyCode);
