#include "rounding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(RoundHalfAwayFromZero, TableOfCases) {
    struct Case {
        double x;
        std::int32_t n;
    } const cases[] = {
        {0.0, 0},
        {-0.0, 0},
        {0.5, 1},
        {-0.5, -1},
        {1.5, 2},
        {-1.5, -2},
        {2.5, 3},
        {-2.5, -3},
        {2.4999999999999996, 2},
        {-2.4999999999999996, -2},
        // x + 0.5 rounds to 1.0 before the truncation.
        {0.49999999999999994, 1},
        {-0.49999999999999994, -1},
        {100.49999999999999, 100},
        {2147483646.5, 2147483647},
        {2147483647.0, kMax},
        {-2147483648.0, kMin},
        {-2147483648.4, kMin},
        // Out of range, infinite or NaN: defined, never a faulting conversion.
        {2147483647.5, kMax},
        {-2147483648.5, kMin},
        {1e300, kMax},
        {-1e300, kMin},
        {kInf, kMax},
        {-kInf, kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {-std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.n, RoundHalfAwayFromZero(c.x)) << std::hexfloat << c.x;
}

TEST(RoundToHundredths, IsTheProductOfTheCountAndPointZeroOne) {
    struct Case {
        double x;
        double expected;
    } const cases[] = {
        // x * 100 is rounded first: 1.005 * 100 = 100.49999999999999.
        {1.005, 1.0},
        {0.285, 0.28},
        {0.125, 0.13},
        {2.675, 2.68},
        {-0.125, -0.13},
        {0.49999999999999994, 0.5},
        {0.005, 0.01},
        {-0.005, -0.01},
        // The stored value is n * 0.01, not the double nearest to n/100.
        {1.14, 1.1400000000000001},
        {0.82, 0.8200000000000001},
        {-1.1578947368421053, -1.16},
        {0.0, 0.0},
        {std::numeric_limits<double>::quiet_NaN(), 0.0},
        {kInf, 2147483647 * 0.01},
        {-kInf, -2147483648.0 * 0.01},
        {1e10, 2147483647 * 0.01},
    };
    for (const Case& c : cases) {
        const double got = RoundToHundredths(c.x);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(c.expected), std::bit_cast<std::uint64_t>(got))
            << std::hexfloat << c.x << " -> " << got << " expected " << c.expected;
    }
}

}  // namespace
