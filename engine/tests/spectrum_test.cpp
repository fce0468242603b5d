#include "spectrum.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Exact comparison that also tells -0 from +0 and prints both bit patterns.
::testing::AssertionResult SameDouble(double expected, double actual) {
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << "expected " << expected << " got " << actual;
}

struct OrdinateCase {
    SpectrumType type;
    SoilClass soil;
    double q, ag, T, expected;
};

class OrdinateTest : public ::testing::TestWithParam<OrdinateCase> {};

TEST_P(OrdinateTest, IsBitExact) {
    const OrdinateCase& c = GetParam();
    EXPECT_TRUE(SameDouble(c.expected, DesignSpectrumOrdinate(c.T, LookupSpectrumParams(c.type, c.soil), c.q, c.ag)))
        << "T=" << c.T << " q=" << c.q;
}

using T = SpectrumType;
using S = SoilClass;

INSTANTIATE_TEST_SUITE_P(
    Ranges, OrdinateTest,
    ::testing::Values(
        // Each range, with the boundaries falling in the lower range.
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 0.1, 0.30187499999999995},
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 0.2, 0.33541666666666664},  // T = TB
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 0.6, 0.33541666666666664},  // T = TC
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 1.0, 0.20124999999999998},
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 2.0, 0.10062499999999999},  // T = TD
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 2.2, 0.08316115702479338},
        OrdinateCase{T::Type1, S::C, 3.0, 0.35, 2.5, 0.06999999999999999},  // at the bound
        // T = TB takes the ascending formula, one bit off the constant branch.
        OrdinateCase{T::Type1, S::A, 1.5, 0.35, 0.15, 0.5833333333333333},
        OrdinateCase{T::Type1, S::A, 3.0, 0.35, 0.0, 0.2333333333333333},
        // The bound is compared in double, and is beta*ag, not beta*S*ag.
        OrdinateCase{T::Type1, S::D, 3.0, 0.35, 3.0, 0.07},
        OrdinateCase{T::Type2, S::A, 4.0, 0.35, 3.0, 0.06999999999999999},
        // Negative q: signed values below TC, the bound beyond it.
        OrdinateCase{T::Type1, S::A, -3.0, 0.35, 0.1, -0.11666666666666667},
        OrdinateCase{T::Type1, S::A, -3.0, 0.35, 0.3, -0.2916666666666667},
        OrdinateCase{T::Type1, S::A, -3.0, 0.35, 1.0, 0.06999999999999999},
        // q = 0: infinities, and 0 * inf at T = 0.
        OrdinateCase{T::Type1, S::A, 0.0, 0.35, 0.1, kInf},
        OrdinateCase{T::Type1, S::A, 0.0, 0.35, 0.3, kInf},
        OrdinateCase{T::Type1, S::A, 0.0, 0.35, 1.0, kInf},
        OrdinateCase{T::Type1, S::A, 0.0, 0.35, 3.0, kInf},
        // An infinite period is in range 4 and lands on the bound.
        OrdinateCase{T::Type1, S::A, 3.0, 0.35, kInf, 0.06999999999999999}));

TEST(Ordinate, NaNCases) {
    const SpectrumParams a = LookupSpectrumParams(T::Type1, S::A);
    EXPECT_TRUE(std::isnan(DesignSpectrumOrdinate(0.0, a, 0.0, 0.35)));   // 0 * inf
    EXPECT_TRUE(std::isnan(DesignSpectrumOrdinate(kNaN, a, 3.0, 0.35)));  // range 1
    // q = 0 at an infinite period: v is NaN, and a NaN v yields the bound.
    EXPECT_TRUE(SameDouble(0.06999999999999999, DesignSpectrumOrdinate(kInf, a, 0.0, 0.35)));
}

TEST(LookupSpectrumParams, HoldsTheRecommendedTable) {
    struct Row {
        T type;
        S soil;
        SpectrumParams p;
    };
    const Row rows[] = {
        {T::Type1, S::A, {1.0, 0.15, 0.4, 2.0}},  {T::Type1, S::B, {1.2, 0.15, 0.5, 2.0}},
        {T::Type1, S::C, {1.15, 0.2, 0.6, 2.0}},  {T::Type1, S::D, {1.35, 0.2, 0.8, 2.0}},
        {T::Type1, S::E, {1.4, 0.15, 0.5, 2.0}},  {T::Type2, S::A, {1.0, 0.05, 0.25, 1.2}},
        {T::Type2, S::B, {1.35, 0.05, 0.25, 1.2}}, {T::Type2, S::C, {1.5, 0.1, 0.25, 1.2}},
        {T::Type2, S::D, {1.8, 0.1, 0.3, 1.2}},   {T::Type2, S::E, {1.6, 0.05, 0.25, 1.2}},
    };
    for (const Row& r : rows) {
        const SpectrumParams p = LookupSpectrumParams(r.type, r.soil);
        SCOPED_TRACE(static_cast<int>(r.type) * 10 + static_cast<int>(r.soil));
        EXPECT_TRUE(SameDouble(r.p.S, p.S));
        EXPECT_TRUE(SameDouble(r.p.TB, p.TB));
        EXPECT_TRUE(SameDouble(r.p.TC, p.TC));
        EXPECT_TRUE(SameDouble(r.p.TD, p.TD));
    }
}

TEST(LookupSpectrumParams, UnknownTypeOrSoilGivesNaNParametersNotAnotherRow) {
    const std::pair<int, int> outside[] = {{-1, 0}, {2, 0}, {0, -1}, {0, 5}, {1, 5}, {1000000, 2}, {0, -2147483647 - 1}};
    for (auto [t, s] : outside) {
        const SpectrumParams p = LookupSpectrumParams(static_cast<T>(t), static_cast<S>(s));
        EXPECT_TRUE(std::isnan(p.S) && std::isnan(p.TB) && std::isnan(p.TC) && std::isnan(p.TD)) << t << "," << s;
        EXPECT_TRUE(std::isnan(DesignSpectrumOrdinate(1.0, p, 3.0, 0.35)));
    }
}

}  // namespace
