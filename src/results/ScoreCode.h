#pragma once

#include <cstdint>

// A score code holds two numbers as first × 1000 + second (games won and
// lost, wins and losses). Splitting truncates toward zero, so a negative
// code read from a damaged file gives a negative part rather than a crash.
struct ScoreParts {
    long long first = 0;
    long long second = 0;
};

inline ScoreParts splitScore(std::int32_t code) {
    return {code / 1000, code % 1000};
}

// Clamps a 64-bit sum to the 32-bit range the result table stores: sums of
// damaged codes must not overflow.
std::int32_t saturateInt32(long long value);

// first × 1000 + second, clamped to the 32-bit range.
std::int32_t packScore(long long first, long long second);

// part × 100 / total in floating point, rounded half to even; 0 when total
// is 0.
std::int32_t percentOf(long long part, long long total);
