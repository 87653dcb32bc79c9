#pragma once

#include "text/FixedText.h"

#include <string>

// A member's name as log lines and reports write it: the 8-character short
// name and one blank, cut before its first NUL character unless that NUL
// is the very first character (a name read from a file padded with NULs).
std::u16string nameText(const FixedText<8>& abbrev);
