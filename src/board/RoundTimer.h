#pragma once

#include <string>

// Where a round timer stands.
enum class TimerPhase {
    Off,     // not started
    Running, // more than a minute left
    Warning, // the last minute
    Zero,    // the round is over
};

// The board's round timer: minutes per round counted down from a start on
// the program's clock (seconds as secondsOf gives them). A display aid only:
// it changes nothing of the meeting.
class RoundTimer {
public:
    static constexpr int kWarningSeconds = 60;
    static constexpr int kMaxMinutes = 99;

    // Starts a round of `minutes` (clamped to 1..kMaxMinutes) at `now`.
    void start(int minutes, long long now);
    void stop();

    int minutes() const { return minutes_; }
    TimerPhase phase(long long now) const;
    // Seconds left, never below 0; 0 when off.
    long long secondsLeft(long long now) const;
    // The countdown as "M:SS" ("15:00", "0:59", "0:00"); empty when off.
    std::u16string text(long long now) const;

private:
    int minutes_ = 0;
    long long end_ = 0;
    bool running_ = false;
};
