#pragma once

#include <string>
#include <string_view>

// Formats a number with a picture pattern such as "##0", " #00", " 000 ":
// "0" is a digit always shown (a leading zero where the number has none),
// "#" a digit shown only when significant, every other character is literal.
// Digits beyond the pattern's placeholders are printed in front of its
// leftmost placeholder, so no digit is ever lost; a minus sign leads the text.
std::u16string formatNumber(long long value, std::u16string_view pattern);
inline std::u16string formatNumber(int value, std::u16string_view pattern) {
    return formatNumber(static_cast<long long>(value), pattern);
}

// Real numbers are first rounded to a whole number, halves to even.
std::u16string formatNumber(double value, std::u16string_view pattern);
