#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest address (request target) and the longest request head the
// players' page server reads; a page address is about forty characters.
inline constexpr std::size_t kMaxTargetLength = 512;
inline constexpr std::size_t kMaxHeadLength = 8192;

enum class HeadStatus {
    Incomplete, // more bytes are needed
    Complete,   // a well-formed GET head of `length` bytes
    Refused,    // answer `refusal` and close
};

struct HeadCheck {
    HeadStatus status = HeadStatus::Incomplete;
    std::size_t length = 0;
    int refusal = 0;
    std::string target;
};

// Checks the start of what a client sent before the request reaches the
// router: only "GET <target> HTTP/1.x" with a target of printable ASCII
// starting with "/", header lines of the form "Name: value", no body. A
// request line or head longer than the limits is refused as soon as the
// limit is passed, a method other than GET as soon as the request line is
// complete.
HeadCheck checkRequestHead(std::string_view received);
