// Shortcuts to the form's number text for the batch's hot path. Both give
// exactly what FormatNumberText gives, without running it on every row.
#pragma once

#include <cstddef>
#include <string_view>

#include "number_text.h"

// True when text (without blanks around it) is already what FormatNumberText
// writes for the number it reads as: a plain decimal such as 0.35, -12 or
// 0.0001, no exponent, no "+", no leading or trailing zeros, at most 15
// significant digits, between 0.0001 and 10^15. Such a text reads as the
// double nearest to it, and 15 digits bring that double back to the text.
bool IsNumberTextAsFormatted(std::string_view text);

// FormatNumberText of a result, remembered: results are n * 0.01 for a
// 32-bit n and batch runs meet the same few hundred of them again and
// again. A value that is not a remembered n * 0.01 is formatted afresh.
class ResultTextMemo {
public:
    std::size_t FormatTo(double value, char* out);

private:
    static constexpr int kLowest = -4096, kCount = 8192;  // n from -40.96 to 40.95
    struct Entry {
        unsigned char length = 0;  // 0: not formatted yet
        char text[kMaxNumberTextLength];
    };
    Entry entries_[kCount];
};
