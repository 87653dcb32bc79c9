#include "text/NumberPattern.h"

#include "text/Rounding.h"

#include <algorithm>

std::u16string formatNumber(long long value, std::u16string_view pattern) {
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so the smallest value has one too.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::u16string digits;
    while (magnitude > 0) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    }

    const auto placeholders = static_cast<std::size_t>(std::count_if(
        pattern.begin(), pattern.end(), [](char16_t c) { return c == u'0' || c == u'#'; }));
    // digitIndex counts placeholders from the right: 0 is the units place.
    std::u16string result;
    std::size_t remaining = placeholders;
    for (const char16_t c : pattern) {
        if (c != u'0' && c != u'#') {
            result.push_back(c);
            continue;
        }
        --remaining;
        if (remaining + 1 == placeholders && digits.size() > placeholders) {
            result.append(digits, 0, digits.size() - placeholders);
        }
        if (remaining < digits.size()) {
            result.push_back(digits[digits.size() - 1 - remaining]);
        } else if (c == u'0') {
            result.push_back(u'0');
        }
    }
    if (placeholders == 0) {
        result += digits;
    }
    if (negative) {
        result.insert(result.begin(), u'-');
    }
    return result;
}

std::u16string formatNumber(double value, std::u16string_view pattern) {
    return formatNumber(roundHalfEven(value), pattern);
}
