#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormatNumberText, TableOfValues) {
    struct Case {
        double x;
        const char* text;
    } const cases[] = {
        {1.0, "1"},
        {0.35, "0.35"},
        {120 * 0.01, "1.2"},
        {114 * 0.01, "1.14"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {0.000099, "9.9e-005"},
        {100, "100"},
        {10, "10"},
        {1e15, "1e+015"},
        {999999999999999.9, "1e+015"},
        {99999999999999.9, "99999999999999.9"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {-1.5, "-1.5"},
        {1e100, "1e+100"},
        {0.0, "0"},
        {-0.0, "0"},
        {kInf, "1.#INF"},
        {-kInf, "-1.#INF"},
        {std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346e+015"},
        {0.00012345, "0.00012345"},
        {-0.000099999999999999995, "-0.0001"},  // rounding carries into a new digit
        {DBL_MAX, "1.79769313486232e+308"},
        {-DBL_MIN, "-2.2250738585072e-308"},
        {2000.0, "2000"},
        {-1.23456789012345e-308, "-1.23456789012345e-308"},  // the longest kind of text
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, FormatNumberText(c.x)) << std::hexfloat << c.x;
}

// Rounding goes through the 17-digit string, not the exact value:
// 0.1000000000000000055511151231257827 has 17 digits 10000000000000001,
// and 5e-324-like cases aside, half-up on the 16th digit of that string.
TEST(FormatNumberText, RoundsHalfUpFromSeventeenDigits) {
    // 17 digits of 1.0000000000000050 (binary nearest) end in ...050 or so;
    // pick doubles whose 17-digit strings end in exactly "5x" at digits 16-17.
    const double x = 0.12345678901234550;  // 17 digits: 1.2345678901234550e-01
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.16e", x);
    ASSERT_EQ(std::string("1.2345678901234550e-01"), buf);
    EXPECT_EQ("0.123456789012346", FormatNumberText(x));  // half up, not to even
    EXPECT_EQ("-0.123456789012346", FormatNumberText(-x));
}

TEST(ParseNumberText, TableOfTexts) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    } const cases[] = {
        {"0", true, 0.0},
        {"00", true, 0.0},
        {"0.0", true, 0.0},
        {"0e5", true, 0.0},
        {"0.000", true, 0.0},
        {".0", false, 0},
        {"-0", false, 0},
        {"+0", false, 0},
        {"-0.0", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"\t", false, 0},
        {" \t0.35\t ", true, 0.35},
        {"0,35", false, 0},
        {"1,5", false, 0},
        {"5.", true, 5.0},
        {"-.5", true, -0.5},
        {"+5", true, 5.0},
        {"2d3", true, 2000.0},
        {"2D-1", true, 0.2},
        {"2e+3", true, 2000.0},
        {"2D+3", true, 2000.0},
        {"1e-005", true, 0.00001},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"1d-", false, 0},
        {"1+5", false, 0},
        {"1 000", false, 0},
        {"3.0abc", false, 0},
        {"0abc", false, 0},
        {"0x10", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"1.#INF", false, 0},
        {"infinity", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"1..2", false, 0},
        {"- 5", false, 0},
        {"1e400", true, kInf},
        {"-1e400", true, -kInf},
        {"1e-400", false, 0},
        {"0.1e-400", true, 0.0},
        {"0.35", true, 0.35},
        {"3.0", true, 3.0},
        {"1e+015", true, 1e15},
        // Further white space after the blanks (and before the sign) belongs to the number.
        {"\n5", true, 5.0},
        {" \r\n -5", true, -5.0},
        {"\n0", false, 0},  // a zero must begin with the digit 0 once blanks are skipped
        {"5\n", false, 0},  // only blanks may follow
        {"1.7976931348623157e308", true, DBL_MAX},
        {"1.7976931348623159e308", true, kInf},  // rounds to 53 bits past DBL_MAX
        {"2.2250738585072014e-308", true, DBL_MIN},
        {"-2.2250738585072014e-308", true, -DBL_MIN},
        // Subnormal results are zero, and zero not written as 0... is rejected.
        {"4.9e-324", false, 0},
        {"1e-310", false, 0},
        {"0.00001e-310", true, 0.0},
        // Rounded to 53 bits this lies just below DBL_MIN (though the subnormal
        // grid would round it up to DBL_MIN): it is a zero, so it is rejected.
        {"2.2250738585072012e-308", false, 0},
        // The 53-bit threshold DBL_MIN * (1 - 2^-54) = 2.22507385850720125957382125702076802007701776340698873928835...e-308:
        // just above it rounds to DBL_MIN, just below to zero.
        {"2.2250738585072012595738212570207680200770177634069887392884e-308", true, DBL_MIN},
        {"2.2250738585072012595738212570207680200770177634069887392883e-308", false, 0},
        {"2.2250738585072011360574097967091319759348195463516456480234e-308", false, 0},
        {"2.2250738585072013e-308", true, DBL_MIN},
        {"0.1", true, 0.1},
        {"100.0000000000001", true, 100.0000000000001},
    };
    for (const Case& c : cases) {
        const std::optional<double> r = ParseNumberText(c.text);
        EXPECT_EQ(c.accepted, r.has_value()) << '"' << c.text << '"';
        if (c.accepted && r) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(c.value), std::bit_cast<std::uint64_t>(*r))
                << '"' << c.text << "\" " << std::hexfloat << *r;
        }
    }
}

TEST(ParseNumberText, ZeroIsAlwaysPositive) {
    for (const char* t : {"0", "0e-5", "0.1e-400", "00.000"}) {
        const auto r = ParseNumberText(t);
        ASSERT_TRUE(r) << t;
        EXPECT_FALSE(std::signbit(*r)) << t;
    }
}

TEST(ParseNumberText, LongAndExtremeTextsHaveDefinedResults) {
    EXPECT_EQ(kInf, ParseNumberText("1e99999999999999999999999"));
    EXPECT_EQ(std::nullopt, ParseNumberText("1e-99999999999999999999999"));
    EXPECT_EQ(0.0, ParseNumberText("0e99999999999999999999999"));
    EXPECT_EQ(1.0, ParseNumberText("1." + std::string(5000, '0')));
    EXPECT_EQ(1.0, ParseNumberText("0." + std::string(5000, '0') + "1e5001"));
    EXPECT_EQ(std::nullopt, ParseNumberText(std::string(5000, '9') + "x"));
    EXPECT_EQ(std::nullopt, ParseNumberText(std::string_view("5\0", 2)));
}

// Random doubles of normal magnitude: every text parses back, is at most 22
// characters, and a double nearest to a <=15-digit decimal round-trips.
TEST(NumberText, RandomRoundTrips) {
    std::mt19937_64 rng(20261211);
    std::uniform_int_distribution<int> exponent(-307, 307);
    std::uniform_int_distribution<std::int64_t> mantissa15(100000000000000, 999999999999999);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        // A decimal of at most 15 significant digits, either sign.
        std::int64_t m = mantissa15(rng);
        for (int drop = 15 - digitCount(rng); drop > 0; --drop) m /= 10;
        char text[64];
        std::snprintf(text, sizeof text, "%s%lldE%d", (i & 1) ? "-" : "", static_cast<long long>(m),
                      exponent(rng));
        const auto decimal = ParseNumberText(text);
        ASSERT_TRUE(decimal) << text;
        if (std::fabs(*decimal) < DBL_MIN || std::isinf(*decimal)) continue;
        const std::string shown = FormatNumberText(*decimal);
        ASSERT_LE(shown.size(), kMaxNumberTextLength) << text;
        const auto back = ParseNumberText(shown);
        ASSERT_TRUE(back) << shown;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*decimal), std::bit_cast<std::uint64_t>(*back))
            << text << " -> " << shown;

        // An arbitrary double: the text parses back to the nearest double of its 15 digits.
        const double any = std::bit_cast<double>(bits(rng));
        if (!std::isfinite(any) || std::fabs(any) < DBL_MIN) continue;
        const std::string anyText = FormatNumberText(any);
        ASSERT_LE(anyText.size(), kMaxNumberTextLength);
        const auto anyBack = ParseNumberText(anyText);
        ASSERT_TRUE(anyBack) << anyText;
        ASSERT_EQ(anyText, FormatNumberText(*anyBack));
    }
}

TEST(NumberText, RangeBoundsAndInfinity) {
    EXPECT_EQ("1e-005", FormatNumberText(0.00001));
    EXPECT_EQ("100", FormatNumberText(100));
    EXPECT_EQ("0.0001", FormatNumberText(0.0001));
    EXPECT_EQ("10", FormatNumberText(10));
    EXPECT_EQ(std::nullopt, ParseNumberText(FormatNumberText(kInf)));
    EXPECT_EQ(std::nullopt, ParseNumberText(FormatNumberText(-kInf)));
    EXPECT_EQ(0.333333333333333, ParseNumberText(FormatNumberText(1.0 / 3.0)));
    EXPECT_EQ(0.3, ParseNumberText(FormatNumberText(0.1 + 0.2)));
}

}  // namespace
