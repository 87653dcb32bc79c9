#include "text/LeadingNumber.h"

#include <cstdlib>
#include <string>

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

double leadingNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        number.push_back(static_cast<char>(text[i]));
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        number.push_back(static_cast<char>(text[i]));
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        number.push_back('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            number.push_back(static_cast<char>(text[i]));
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i + 1 < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (text[j] == u'+' || text[j] == u'-') {
            exponent.push_back(static_cast<char>(text[j]));
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]) && exponent.size() < 8) {
                exponent.push_back(static_cast<char>(text[j]));
                ++j;
            }
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}
