#include "results/ScoreCode.h"

#include "text/Rounding.h"

#include <algorithm>
#include <limits>

std::int32_t saturateInt32(long long value) {
    constexpr long long low = std::numeric_limits<std::int32_t>::min();
    constexpr long long high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

std::int32_t packScore(long long first, long long second) {
    // Parts beyond ±2^40 cannot come from summing 32-bit codes; clamping them
    // first keeps the product inside 64 bits.
    constexpr long long limit = 1LL << 40;
    first = std::clamp(first, -limit, limit);
    second = std::clamp(second, -limit, limit);
    return saturateInt32(first * 1000 + second);
}

std::int32_t percentOf(long long part, long long total) {
    if (total == 0) {
        return 0;
    }
    const double percent = static_cast<double>(part) * 100.0 / static_cast<double>(total);
    return saturateInt32(roundHalfEven(percent));
}
