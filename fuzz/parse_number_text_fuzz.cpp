// Arbitrary text into ParseNumberText: nothing may fault, and an accepted
// value must format and parse back consistently.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = ParseNumberText(text);
    if (!value) return 0;
    const double x = *value;
    Check(!std::isnan(x));
    Check(x == 0.0 ? !std::signbit(x) : std::fabs(x) >= DBL_MIN);  // no -0, no subnormals

    const std::string shown = FormatNumberText(x);
    Check(shown.size() <= kMaxNumberTextLength);
    const std::optional<double> back = ParseNumberText(shown);
    if (std::isinf(x)) {
        Check(!back);  // "1.#INF" is shown but is not a number to type
        return 0;
    }
    if (!back) {
        // Only the smallest normal doubles round down below DBL_MIN at 15
        // digits, and read back as a zero not written with a leading "0".
        Check(shown == "2.2250738585072e-308" || shown == "-2.2250738585072e-308");
        return 0;
    }
    if (std::isinf(*back)) {
        // Only the largest doubles round up past DBL_MAX at 15 digits.
        Check(std::fabs(x) > 1.79769313486231e308);
        return 0;
    }
    Check(FormatNumberText(*back) == shown);  // the text is a fixed point
    // At most one 15-digit rounding away from the value read.
    Check(std::fabs(*back - x) <= std::fabs(x) * 1e-14);

    // Within the form's 31-character read, blanks around the number change nothing.
    const std::optional<double> padded = ParseNumberText(" \t" + shown + "\t ");
    Check(padded && *padded == *back);
    return 0;
}
