// The batch's shortcuts must give exactly the form's number text.
#include "fast_number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "number_text.h"

namespace {

ResultTextMemo memo;

std::string ViaShortcut(double x) {
    char buf[kMaxNumberTextLength];
    return std::string(buf, memo.FormatTo(x, buf));
}

TEST(ResultTextMemo, EqualsFormatNumberTextForEveryKindOfResult) {
    std::vector<double> values;
    // Twice over the remembered range: formatted, then remembered.
    for (int pass = 0; pass < 2; ++pass)
        for (std::int64_t n = -5000; n <= 5000; ++n) values.push_back(static_cast<double>(n) * 0.01);
    for (std::int64_t n : {std::int64_t{2147483647}, std::int64_t{-2147483648}, std::int64_t{2147483646},
                           std::int64_t{1234567891}, std::int64_t{-999999999}})
        values.push_back(static_cast<double>(n) * 0.01);
    std::mt19937_64 random(5);
    std::uniform_int_distribution<std::int32_t> any;
    for (int i = 0; i < 100000; ++i) values.push_back(static_cast<double>(any(random)) * 0.01);
    // Not hundredths at all: the shortcut must step aside.
    for (double x : {0.1 + 0.2, 1.0 / 3, 1.14, 0.82, -0.0, 1e300, -1e-300, 21474836.49, 2e9,
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        values.push_back(x);
    for (double x : values) ASSERT_EQ(ViaShortcut(x), FormatNumberText(x)) << x;
}

TEST(IsNumberTextAsFormatted, OnlyTextsThatFormattingGivesBack) {
    // Random decimal-looking texts: digits, maybe a point, maybe a sign,
    // leading and trailing zeros. Every text taken as formatted must read
    // and format back to itself; every formatted plain decimal must be taken.
    std::mt19937_64 random(11);
    const std::string alphabet = "0000123456789";
    int taken = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string s = random() % 4 == 0 ? "-" : "";
        const int length = 1 + static_cast<int>(random() % 19);
        const int point = static_cast<int>(random() % (length + 2));
        for (int k = 0; k < length; ++k) {
            if (k == point) s += '.';
            s += alphabet[random() % alphabet.size()];
        }
        if (IsNumberTextAsFormatted(s)) {
            ++taken;
            const auto value = ParseNumberText(s);
            ASSERT_TRUE(value.has_value()) << s;
            ASSERT_EQ(FormatNumberText(*value), s);
        }
        const auto value = ParseNumberText(s);
        if (value) {
            const std::string formatted = FormatNumberText(*value);
            if (formatted.find_first_of("e#") == std::string::npos) {
                ASSERT_TRUE(IsNumberTextAsFormatted(formatted)) << formatted;
            }
        }
    }
    EXPECT_GT(taken, 10000);  // the generator does reach the shortcut
    for (const char* s : {"0.0001", "999999999999999", "-12.5", "0", "100"}) EXPECT_TRUE(IsNumberTextAsFormatted(s)) << s;
    for (const char* s : {"0.00001", "1000000000000000", "1.50", "-0", "+1", "01", "5.", ".5", "1e5", "2d3", " 1", ""})
        EXPECT_FALSE(IsNumberTextAsFormatted(s)) << s;
}

}  // namespace
