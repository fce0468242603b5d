#include "fast_number_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "number_text.h"

bool IsNumberTextAsFormatted(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    const auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    if (!digit(i)) return false;
    int significant = 0;
    if (s[i] == '0') {
        ++i;
        if (i == s.size()) return s.size() == 1;  // "0", but not "-0"
        if (s[i] != '.') return false;            // no leading zeros
        ++i;
        int zeros = 0;
        while (i < s.size() && s[i] == '0') ++zeros, ++i;
        if (zeros > 3) return false;  // below 0.0001 the form writes an exponent
    } else {
        while (digit(i)) ++significant, ++i;
        if (significant > 15) return false;  // 10^15 and above: exponent
        if (i == s.size()) return true;
        if (s[i] != '.') return false;
        ++i;
    }
    // The fraction: at least one digit, the last one not zero.
    const std::size_t fraction = i;
    while (digit(i)) ++significant, ++i;
    return i == s.size() && i > fraction && s[i - 1] != '0' && significant <= 15;
}

std::size_t ResultTextMemo::FormatTo(double value, char* out) {
    // Guarded so the conversion to int is always defined (NaN fails too).
    if (!(value >= kLowest * 0.01 && value <= (kLowest + kCount - 1) * 0.01)) return FormatNumberTextTo(value, out);
    const int n = static_cast<int>(std::nearbyint(value * 100));
    // The same double RoundToHundredths made, bit for bit, or no memo.
    if (static_cast<double>(n) * 0.01 != value) return FormatNumberTextTo(value, out);
    Entry& e = entries_[n - kLowest];
    if (e.length == 0) e.length = static_cast<unsigned char>(FormatNumberTextTo(value, e.text));
    std::memcpy(out, e.text, e.length);
    return e.length;
}
