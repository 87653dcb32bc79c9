#pragma once

#include <ctime>

// Where the program reads the date and time, so that log lines can be tested
// with a fixed moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm now() const = 0;
};

class SystemClock : public Clock {
public:
    std::tm now() const override;
};
