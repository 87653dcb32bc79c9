#include "phones/JsonText.h"

#include <cstdio>

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

void appendEscape(std::string& out, char16_t unit) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
    out += escaped;
}

} // namespace

std::string jsonString(std::u16string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit < 0x20 || unit == u'<' || unit == u'>' || unit == u'&' || unit == 0x2028 ||
                   unit == 0x2029) {
            appendEscape(out, unit);
        } else if (unit >= 0xd800 && unit <= 0xdbff && i + 1 < text.size() &&
                   text[i + 1] >= 0xdc00 && text[i + 1] <= 0xdfff) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xd800) << 10) + (text[i + 1] - 0xdc00));
            ++i;
        } else if (unit >= 0xd800 && unit <= 0xdfff) {
            appendUtf8(out, 0xfffd);
        } else {
            appendUtf8(out, unit);
        }
    }
    out += '"';
    return out;
}

void JsonText::separate() {
    if (needComma_) {
        text_ += ',';
    }
    needComma_ = true;
}

JsonText& JsonText::beginObject() {
    separate();
    text_ += '{';
    needComma_ = false;
    return *this;
}

JsonText& JsonText::endObject() {
    text_ += '}';
    needComma_ = true;
    return *this;
}

JsonText& JsonText::beginArray() {
    separate();
    text_ += '[';
    needComma_ = false;
    return *this;
}

JsonText& JsonText::endArray() {
    text_ += ']';
    needComma_ = true;
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    separate();
    text_ += '"';
    text_ += name;
    text_ += "\":";
    needComma_ = false;
    return *this;
}

JsonText& JsonText::value(std::u16string_view text) {
    separate();
    text_ += jsonString(text);
    return *this;
}

JsonText& JsonText::value(int number) {
    separate();
    text_ += std::to_string(number);
    return *this;
}

JsonText& JsonText::flag(bool flag) {
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

JsonText& JsonText::value(const std::optional<int>& number) {
    separate();
    text_ += number ? std::to_string(*number) : "null";
    return *this;
}
