#pragma once

#include <string>
#include <string_view>

// The random part of the players' page address. A meeting (a data file and
// its meeting number) gets a fresh token the first time it is asked for, so
// an address from an earlier meeting, or from an earlier run of the
// program, shows nothing.
class MeetingToken {
public:
    // The token of the meeting, made anew whenever the meeting differs from
    // the last one asked for.
    const std::string& forMeeting(std::u16string_view path, int meetingCount);

private:
    std::u16string path_;
    int meetingCount_ = -1;
    std::string token_;
};

// 128 random bits from the system's random source, as 32 lowercase hex
// digits.
std::string newRandomToken();

// Whether two tokens are equal, taking the same time for every candidate of
// the right length.
bool sameToken(std::string_view candidate, std::string_view token);
