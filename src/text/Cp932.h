#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Conversion between the program's UTF-16 text and the Shift-JIS bytes
// (code page 932) that every text field of the stored files holds.
namespace cp932 {

// Converts text to code page 932; a character the code page lacks becomes '?'.
std::string encode(std::u16string_view text);

// Converts code page 932 bytes to text; a byte sequence that is not valid
// becomes U+FFFD.
std::u16string decode(std::string_view bytes);

// Writes text into a byte field of the given width: converted, cut to the
// width or padded with ASCII blanks. A double-byte character that the width
// would split is dropped and a blank stands in its place.
void writeField(std::uint8_t* field, std::size_t width, std::u16string_view text);

// Reads a byte field: decodes it and pads the text with blanks to as many
// characters as the field has bytes.
std::u16string readField(const std::uint8_t* field, std::size_t width);

} // namespace cp932
