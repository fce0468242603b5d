#include "error_factor_bounds.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "rounding.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

::testing::AssertionResult SameDouble(double expected, double actual) {
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << "expected " << expected << " got " << actual;
}

ErrorFactorInputs Defaults() {
    return {1.0, 3.0, 0.35, SpectrumType::Type1, SoilClass::C, 0.9, 1.1, 0.95, 1.05, 0.9, 1.1};
}

// The stored result for a number of hundredths.
double Hundredths(std::int32_t n) { return static_cast<double>(n) * 0.01; }

struct WorkedCase {
    std::string name;
    ErrorFactorInputs in;
    std::int32_t dispMin, forceMin, dispMax, forceMax;
};

std::vector<WorkedCase> WorkedCases() {
    using T = SpectrumType;
    using S = SoilClass;
    auto with = [](auto change) {
        ErrorFactorInputs in = Defaults();
        change(in);
        return in;
    };
    return {
        {"defaults", Defaults(), 84, 88, 120, 114},
        {"ascending", with([](auto& i) { i.Soil = S::A, i.Period = 0.1; }), 80, 84, 127, 121},
        {"constant", with([](auto& i) { i.Soil = S::B, i.Period = 0.3; }), 78, 82, 129, 122},
        {"lower_bound", with([](auto& i) { i.Spectrum = T::Type2, i.Soil = S::A, i.Period = 3.0, i.BehaviourFactor = 4.0; }), 86, 90, 116, 110},
        {"beyond_td", with([](auto& i) { i.Spectrum = T::Type2, i.Soil = S::D, i.Period = 2.0, i.BehaviourFactor = 1.5; }), 91, 86, 111, 117},
        {"at_tc", with([](auto& i) { i.Period = 0.6; }), 78, 82, 120, 114},
        {"at_td", with([](auto& i) { i.Period = 2.0; }), 84, 86, 111, 108},
        {"at_tb", with([](auto& i) { i.Spectrum = T::Type2, i.Period = 0.1; }), 77, 81, 129, 122},
        {"all_changed", with([](auto& i) {
             i.Spectrum = T::Type2, i.Soil = S::E, i.Ag = 0.3, i.BehaviourFactor = 2.0;
             i.FqMin = 0.8, i.FqMax = 1.25, i.FkMin = 0.7, i.FkMax = 1.3, i.FmMin = 0.8, i.FmMax = 1.2;
         }), 63, 67, 150, 127},
        {"unit_factors", with([](auto& i) { i.FqMin = i.FqMax = i.FkMin = i.FkMax = i.FmMin = i.FmMax = 1.0; }), 100, 100, 100, 100},
        {"zero_mass_min", with([](auto& i) { i.FmMin = 0.0; }), 0, 0, 120, 114},
        {"mass_pair_exchanged", with([](auto& i) { i.FmMin = 1.1, i.FmMax = 0.9; }), 88, 84, 114, 119},
        {"q_pair_exchanged", with([](auto& i) { i.FqMin = 1.1, i.FqMax = 0.9; }), 84, 88, 120, 114},
        {"negative_fq", with([](auto& i) { i.Soil = S::B, i.Period = 0.3, i.FqMin = -1.0; }), -116, -110, 105, 100},
    };
}

class WorkedCaseTest : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedCaseTest, ReproducesEveryBit) {
    const WorkedCase& c = GetParam();
    const ErrorFactorBounds b = ComputeErrorFactorBounds(c.in);
    EXPECT_TRUE(SameDouble(Hundredths(c.dispMin), b.DispMin));
    EXPECT_TRUE(SameDouble(Hundredths(c.forceMin), b.ForceMin));
    EXPECT_TRUE(SameDouble(Hundredths(c.dispMax), b.DispMax));
    EXPECT_TRUE(SameDouble(Hundredths(c.forceMax), b.ForceMax));
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkedCaseTest, ::testing::ValuesIn(WorkedCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ErrorFactorBounds, DefaultCaseIntermediatesAreBitExact) {
    const ErrorFactorCorners c = ComputeErrorFactorCorners(Defaults());
    EXPECT_TRUE(SameDouble(0.20124999999999998, c.Sd0));
    EXPECT_TRUE(SameDouble(0.9258200997725514, c.TMin));
    EXPECT_TRUE(SameDouble(1.0760551736979407, c.TMax));
    EXPECT_TRUE(SameDouble(2.7, c.Q1));
    EXPECT_TRUE(SameDouble(3.3000000000000003, c.Q2));
    const double a[] = {0.24152760473232993, 0.1976134947809972, 0.20780636214280301, 0.17002338720774793};
    const double f[] = {1.0801234497346432, 0.8837373679647081, 1.1358360166811596, 0.929320377284585};
    const double d[] = {1.0286889997472792, 0.8416546361568649, 1.1956168596643786, 0.9782319760890369};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(SameDouble(a[i], c.Ordinate[i]));
        EXPECT_TRUE(SameDouble(f[i], c.Force[i]));
        EXPECT_TRUE(SameDouble(d[i], c.Disp[i]));
    }
    const ErrorFactorBounds u = SelectUnroundedBounds(c);
    EXPECT_TRUE(SameDouble(d[1], u.DispMin));
    EXPECT_TRUE(SameDouble(f[1], u.ForceMin));
    EXPECT_TRUE(SameDouble(d[2], u.DispMax));
    EXPECT_TRUE(SameDouble(f[2], u.ForceMax));
    EXPECT_TRUE(SameDouble(1.1400000000000001, ComputeErrorFactorBounds(Defaults()).ForceMax));
}

TEST(ErrorFactorBounds, AllAtTheLowerBoundGivesMassOverStiffness) {
    ErrorFactorInputs in = Defaults();
    in.Spectrum = SpectrumType::Type2, in.Soil = SoilClass::A, in.Period = 3.0, in.BehaviourFactor = 4.0;
    const ErrorFactorBounds u = SelectUnroundedBounds(ComputeErrorFactorCorners(in));
    EXPECT_TRUE(SameDouble(0.9 / 1.05, u.DispMin));
    EXPECT_TRUE(SameDouble(0.9, u.ForceMin));
    EXPECT_TRUE(SameDouble(1.1 / 0.95, u.DispMax));
    EXPECT_TRUE(SameDouble(1.1, u.ForceMax));
}

TEST(ErrorFactorBounds, NegativeBoundKeepsItsSign) {
    ErrorFactorInputs in = Defaults();
    in.Soil = SoilClass::B, in.Period = 0.3, in.FqMin = -1.0;
    EXPECT_TRUE(SameDouble(-1.1578947368421053, SelectUnroundedBounds(ComputeErrorFactorCorners(in)).DispMin));
}

// Degenerate factors follow IEEE arithmetic; NaN bounds round to 0
// hundredths and infinite ones saturate at the 32-bit limits.
TEST(ErrorFactorBounds, DegenerateFactors) {
    const double big = Hundredths(2147483647);
    struct Row {
        const char* name;
        ErrorFactorInputs in;
        bool nanMin, nanMax;
        double dispMax;  // rounded, when not NaN
    };
    auto with = [](auto change) {
        ErrorFactorInputs in = Defaults();
        change(in);
        return in;
    };
    const Row rows[] = {
        {"fkmax_zero", with([](auto& i) { i.FkMax = 0.0; }), false, false, big},
        {"fkmin_zero", with([](auto& i) { i.FkMin = 0.0; }), false, false, big},
        {"fkmax_negative", with([](auto& i) { i.FkMax = -1.0; }), true, false, Hundredths(120)},
        {"fkmin_negative", with([](auto& i) { i.FkMin = -1.0; }), false, true, 0.0},
        {"q_zero", with([](auto& i) { i.BehaviourFactor = 0.0; }), true, true, 0.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ErrorFactorBounds u = SelectUnroundedBounds(ComputeErrorFactorCorners(r.in));
        EXPECT_EQ(r.nanMin, std::isnan(u.DispMin));
        EXPECT_EQ(r.nanMin, std::isnan(u.ForceMin));
        EXPECT_EQ(r.nanMax, std::isnan(u.DispMax));
        EXPECT_EQ(r.nanMax, std::isnan(u.ForceMax));
        const ErrorFactorBounds b = ComputeErrorFactorBounds(r.in);
        EXPECT_TRUE(SameDouble(r.dispMax, b.DispMax));
        if (r.nanMin) {
            EXPECT_TRUE(SameDouble(0.0, b.DispMin));
            EXPECT_TRUE(SameDouble(0.0, b.ForceMin));
        }
    }
    EXPECT_EQ(kInf, SelectUnroundedBounds(ComputeErrorFactorCorners(rows[0].in)).DispMax);
}

}  // namespace
