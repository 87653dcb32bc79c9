#include "phones/RequestHead.h"

#include <algorithm>
#include <cctype>

namespace {

HeadCheck refused(int status) {
    HeadCheck check;
    check.status = HeadStatus::Refused;
    check.refusal = status;
    return check;
}

bool isTokenChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) != 0 ||
           std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isTargetChar(char c) {
    return c > 0x20 && c < 0x7f;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// One header line; false when it is not "Name: value" or announces a body.
bool acceptableHeader(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0 ||
        !std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(colon),
                     isTokenChar)) {
        return false;
    }
    if (std::any_of(line.begin(), line.end(),
                    [](char c) { return c == '\0' || c == '\r' || c == '\n'; })) {
        return false;
    }
    const std::string name = lowered(line.substr(0, colon));
    const std::string_view value = trimmed(line.substr(colon + 1));
    if (name == "transfer-encoding") {
        return false;
    }
    return name != "content-length" || value == "0";
}

} // namespace

HeadCheck checkRequestHead(std::string_view received) {
    const std::size_t lineEnd = received.find("\r\n");
    const std::size_t maxLine = kMaxTargetLength + 32;
    if (lineEnd == std::string_view::npos) {
        return received.size() > maxLine ? refused(414) : HeadCheck{};
    }
    const std::string_view line = received.substr(0, lineEnd);
    const std::size_t firstSpace = line.find(' ');
    const std::size_t lastSpace = line.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == 0 || lastSpace == firstSpace) {
        return refused(400);
    }
    const std::string_view method = line.substr(0, firstSpace);
    const std::string_view target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    const std::string_view version = line.substr(lastSpace + 1);
    if (!std::all_of(method.begin(), method.end(), isTokenChar) ||
        (version != "HTTP/1.1" && version != "HTTP/1.0")) {
        return refused(400);
    }
    if (target.size() > kMaxTargetLength) {
        return refused(414);
    }
    if (target.empty() || target.front() != '/' ||
        !std::all_of(target.begin(), target.end(), isTargetChar)) {
        return refused(400);
    }
    if (method != "GET") {
        return refused(405);
    }
    const std::size_t headEnd = received.find("\r\n\r\n");
    if (headEnd == std::string_view::npos) {
        return received.size() > kMaxHeadLength ? refused(431) : HeadCheck{};
    }
    if (headEnd + 4 > kMaxHeadLength) {
        return refused(431);
    }
    std::size_t start = lineEnd + 2;
    while (start < headEnd + 2) {
        const std::size_t end = received.find("\r\n", start);
        if (!acceptableHeader(received.substr(start, end - start))) {
            return refused(400);
        }
        start = end + 2;
    }
    HeadCheck check;
    check.status = HeadStatus::Complete;
    check.length = headEnd + 4;
    check.target = std::string(target);
    return check;
}
