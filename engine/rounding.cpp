#include "rounding.h"

#include <limits>

std::int32_t RoundHalfAwayFromZero(double x) {
    const double y = x >= 0.0 ? x + 0.5 : x - 0.5;
    if (y != y) return 0;
    // Exact powers of two, so these comparisons are exact; everything in
    // between truncates to a representable int32.
    constexpr double kUpperExclusive = 2147483648.0;
    constexpr double kLowerExclusive = -2147483649.0;
    if (y >= kUpperExclusive) return std::numeric_limits<std::int32_t>::max();
    if (y <= kLowerExclusive) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(y);
}

double RoundToHundredths(double x) {
    const double m = x * 100.0;
    const std::int32_t n = RoundHalfAwayFromZero(m);
    return static_cast<double>(n) * 0.01;
}
