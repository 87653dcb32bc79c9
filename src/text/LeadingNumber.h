#pragma once

#include <string_view>

// Reads the number a text box's text begins with, as the program's boxes are
// read: leading blanks are skipped, then an optional sign, digits, a decimal
// point with more digits and an exponent. "2.5" gives 2.5, "12abc" gives 12,
// a text that does not begin with a number gives 0.
double leadingNumber(std::u16string_view text);
