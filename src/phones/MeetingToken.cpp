#include "phones/MeetingToken.h"

#include <array>
#include <random>

const std::string& MeetingToken::forMeeting(std::u16string_view path, int meetingCount) {
    if (token_.empty() || path != path_ || meetingCount != meetingCount_) {
        path_ = std::u16string(path);
        meetingCount_ = meetingCount;
        token_ = newRandomToken();
    }
    return token_;
}

std::string newRandomToken() {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device source;
    std::string token;
    for (int word = 0; word < 4; ++word) {
        std::uint32_t bits = source();
        for (int digit = 0; digit < 8; ++digit) {
            token += kDigits[bits & 0xf];
            bits >>= 4;
        }
    }
    return token;
}

bool sameToken(std::string_view candidate, std::string_view token) {
    if (candidate.size() != token.size() || token.empty()) {
        return false;
    }
    unsigned char difference = 0;
    for (std::size_t i = 0; i < token.size(); ++i) {
        difference |= static_cast<unsigned char>(candidate[i] ^ token[i]);
    }
    return difference == 0;
}
