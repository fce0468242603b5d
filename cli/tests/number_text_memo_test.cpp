#include "number_text_memo.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// Values that share slots and come back after others took them: whatever
// the memo holds, the text must be FormatNumberText's for those very bits.
TEST(NumberTextMemo, AlwaysGivesFormatNumberTextOfTheSameBits) {
    NumberTextMemo memo;
    std::vector<double> values;
    for (int n = -5000; n <= 5000; ++n) values.push_back(n * 0.01);
    std::mt19937_64 random(5);
    for (int i = 0; i < 50000; ++i) values.push_back(std::bit_cast<double>(random()));
    for (double x : {0.0, -0.0, 1.14, 0.1 + 0.2, std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        values.push_back(x);
    for (int pass = 0; pass < 2; ++pass) {
        for (double x : values) {
            char buf[kMaxNumberTextLength];
            ASSERT_EQ(FormatNumberText(x), std::string(buf, memo.FormatTo(x, buf)))
                << std::hexfloat << x << " pass " << pass;
        }
    }
}

}  // namespace
