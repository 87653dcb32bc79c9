#include "results/NameText.h"

std::u16string nameText(const FixedText<8>& abbrev) {
    std::u16string text = abbrev.str() + u" ";
    const std::size_t nul = text.find(u'\0');
    if (nul != std::u16string::npos && nul > 0) {
        text.resize(nul);
    }
    return text;
}
