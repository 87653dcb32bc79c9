#pragma once

#include <optional>
#include <string>
#include <string_view>

// Builds JSON text in UTF-8 from the program's UTF-16 text. The writer puts
// the commas; the caller keeps objects and arrays balanced.
class JsonText {
public:
    JsonText& beginObject();
    JsonText& endObject();
    JsonText& beginArray();
    JsonText& endArray();
    // A member name inside an object; the next value is its value.
    JsonText& key(std::string_view name);
    JsonText& value(std::u16string_view text);
    JsonText& value(int number);
    JsonText& flag(bool flag);
    // null when empty.
    JsonText& value(const std::optional<int>& number);

    const std::string& str() const { return text_; }

private:
    void separate();

    std::string text_;
    bool needComma_ = false;
};

// The text as a JSON string literal in UTF-8: quotes, backslashes and
// control characters escaped, and "<" ">" "&" too so the text can never
// close a script or a tag; unpaired surrogates become U+FFFD.
std::string jsonString(std::u16string_view text);
