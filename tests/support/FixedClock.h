#pragma once

#include "platform/Clock.h"

// A clock standing at one moment, so that log lines can be tested byte for
// byte.
class FixedClock : public Clock {
public:
    explicit FixedClock(const std::tm& moment) : moment_(moment) {}
    std::tm now() const override { return moment_; }
    void set(const std::tm& moment) { moment_ = moment; }

private:
    std::tm moment_;
};
