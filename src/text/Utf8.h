#pragma once

#include <string>
#include <string_view>

// UTF-8 is the encoding of paths on this system and of the command-line
// tool's output; the program's own text is UTF-16.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);
