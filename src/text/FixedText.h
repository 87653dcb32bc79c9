#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Fits text to a fixed length in characters (UTF-16 units): pads it on the
// right with blanks or cuts it.
std::u16string fitText(std::u16string_view text, std::size_t length);

// A text field of a fixed length: every assignment pads or cuts, so the held
// text always has exactly Length characters.
template <std::size_t Length> class FixedText {
public:
    FixedText() : text_(Length, u' ') {}
    FixedText(std::u16string_view text) : text_(fitText(text, Length)) {}
    FixedText& operator=(std::u16string_view text) {
        text_ = fitText(text, Length);
        return *this;
    }
    const std::u16string& str() const { return text_; }
    operator std::u16string_view() const { return text_; }
    bool operator==(const FixedText&) const = default;

private:
    std::u16string text_;
};
