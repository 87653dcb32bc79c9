#include "text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace cp932 {
namespace {

// One converter per direction and thread; iconv_open is costly compared with
// converting a short field.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-16");
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts input; on an unconvertible sequence it writes `replacement`
    // and skips `skipUnit` input bytes (or a whole surrogate pair).
    std::string convert(std::string_view input, std::string_view replacement,
                        std::size_t skipUnit) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        char buffer[256];
        // iconv takes a non-const input pointer although it never writes through it.
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: replace one unit and go on.
            output.append(replacement);
            std::size_t skip = std::min(skipUnit, inLeft);
            if (skipUnit == 2 && inLeft >= 4) {
                const auto unit =
                    static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
                if (unit >= 0xD800 && unit <= 0xDBFF) {
                    skip = 4;
                }
            }
            in += skip;
            inLeft -= skip;
        }
        return output;
    }

private:
    iconv_t handle_;
};

Converter& toCp932() {
    thread_local Converter converter("CP932", "UTF-16LE");
    return converter;
}

Converter& fromCp932() {
    thread_local Converter converter("UTF-16LE", "CP932");
    return converter;
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

std::string encode(std::u16string_view text) {
    std::string utf16le;
    utf16le.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        utf16le.push_back(static_cast<char>(unit & 0xFF));
        utf16le.push_back(static_cast<char>(unit >> 8));
    }
    return toCp932().convert(utf16le, "?", 2);
}

std::u16string decode(std::string_view bytes) {
    const std::string utf16le = fromCp932().convert(bytes, "\xFD\xFF", 1);
    std::u16string text;
    text.reserve(utf16le.size() / 2);
    for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(utf16le[i]) |
                                             (static_cast<unsigned char>(utf16le[i + 1]) << 8)));
    }
    return text;
}

void writeField(std::uint8_t* field, std::size_t width, std::u16string_view text) {
    const std::string bytes = encode(text);
    std::size_t used = 0;
    while (used < bytes.size() && used < width) {
        const auto byte = static_cast<unsigned char>(bytes[used]);
        const std::size_t length = isLeadByte(byte) ? 2 : 1;
        if (used + length > width) {
            break;
        }
        used += length;
    }
    std::memcpy(field, bytes.data(), used);
    std::memset(field + used, ' ', width - used);
}

std::u16string readField(const std::uint8_t* field, std::size_t width) {
    std::u16string text = decode(std::string_view(reinterpret_cast<const char*>(field), width));
    if (text.size() < width) {
        text.append(width - text.size(), u' ');
    }
    return text;
}

} // namespace cp932
