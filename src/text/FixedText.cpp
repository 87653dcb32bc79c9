#include "text/FixedText.h"

std::u16string fitText(std::u16string_view text, std::size_t length) {
    std::u16string fitted(text.substr(0, length));
    fitted.resize(length, u' ');
    return fitted;
}
