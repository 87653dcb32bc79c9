#include "text/Rounding.h"

#include <cmath>
#include <limits>

long long roundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double limit = 9.2e18;
    if (value >= limit) {
        return std::numeric_limits<long long>::max();
    }
    if (value <= -limit) {
        return std::numeric_limits<long long>::min();
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto whole = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        ++whole;
    }
    return whole;
}

bool roundHalfEvenToInt32(double value, int& result) {
    if (std::isnan(value) || value >= 2147483647.5 || value < -2147483648.5) {
        return false;
    }
    const long long rounded = roundHalfEven(value);
    if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min()) {
        return false;
    }
    result = static_cast<int>(rounded);
    return true;
}
