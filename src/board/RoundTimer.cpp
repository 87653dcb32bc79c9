#include "board/RoundTimer.h"

#include "text/NumberPattern.h"

#include <algorithm>

void RoundTimer::start(int minutes, long long now) {
    minutes_ = std::clamp(minutes, 1, kMaxMinutes);
    end_ = now + minutes_ * 60LL;
    running_ = true;
}

void RoundTimer::stop() {
    running_ = false;
}

long long RoundTimer::secondsLeft(long long now) const {
    return running_ ? std::max(0LL, end_ - now) : 0;
}

TimerPhase RoundTimer::phase(long long now) const {
    if (!running_) {
        return TimerPhase::Off;
    }
    const long long left = secondsLeft(now);
    if (left == 0) {
        return TimerPhase::Zero;
    }
    return left <= kWarningSeconds ? TimerPhase::Warning : TimerPhase::Running;
}

std::u16string RoundTimer::text(long long now) const {
    if (!running_) {
        return {};
    }
    const long long left = secondsLeft(now);
    return formatNumber(left / 60, u"0") + u":" + formatNumber(left % 60, u"00");
}
