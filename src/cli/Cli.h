#pragma once

#include <ostream>
#include <string>
#include <vector>

// rallynote-cli: reads a data file and prints the pairing table, the
// standings report or an export of the standings, never writing a file or a
// setting. `args` are the arguments after the program name. Output goes to
// `out` (UTF-8) only when the command succeeds; messages go to `err`.
// Returns the exit status: 0 done, 1 refused where the window program would
// beep, 2 usage error or a file that cannot be read.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
