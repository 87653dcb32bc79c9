#pragma once

#include <string>
#include <vector>

class Program;

// The warning lines for the match held in the picks (the pairing
// confirmation shows them under the sides): broken pair rules of the
// register. Empty when there is nothing to warn about or the register is
// closed; the pick is never blocked.
std::vector<std::u16string> pickWarnings(Program& program);
