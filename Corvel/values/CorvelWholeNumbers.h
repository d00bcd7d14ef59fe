// Whole numbers held in doubles: what the machine's integer arithmetic can
// compute exactly, faster than the floating-point library.
#pragma once

#include <cstdint>

namespace CorvelWholeNumbers {

// The remainder of `x` by `y`, with the dividend's sign, when both are
// whole numbers of at most 2^53 and `y` is positive: exact, as fmod is.
// False, and `remainder` untouched, for any other pair.
inline bool Remainder(double x, double y, int64_t& remainder) {
    const double kLargest = 9007199254740992.0;
    if (!(x >= -kLargest && x <= kLargest && y >= 1 && y <= kLargest)) return false;
    int64_t whole = (int64_t)x;
    int64_t divisor = (int64_t)y;
    if ((double)whole != x || (double)divisor != y) return false;
    remainder = whole % divisor;
    return true;
}

}  // namespace CorvelWholeNumbers
