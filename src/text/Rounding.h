#pragma once

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2,
// 3.5 gives 4). Values beyond the range of long long are clamped to it.
long long roundHalfEven(double value);

// The same, for values that must fit a signed 32-bit integer: returns false
// and leaves result alone when the rounded value does not fit.
bool roundHalfEvenToInt32(double value, int& result);
