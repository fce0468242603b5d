#include "number_text.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <tuple>
#include <utility>

// ---------------------------------------------------------------- formatting

namespace {

constexpr int kDigits17 = 17;
constexpr int kDigits15 = 15;

std::size_t CopyText(const char* text, char* out) {
    const std::size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return n;
}

}  // namespace

std::size_t FormatNumberTextTo(double x, char* out) {
    if (x == 0.0) return CopyText("0", out);
    if (std::isnan(x)) return CopyText(std::signbit(x) ? "-1.#QNAN" : "1.#QNAN", out);
    if (std::isinf(x)) return CopyText(x < 0 ? "-1.#INF" : "1.#INF", out);

    // Exact 17 significant digits, "d.dddddddddddddddde[+-]x..." (the exact
    // value of a double never ties at the 18th digit in a way that changes
    // the 15-digit result below).
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(x), std::chars_format::scientific,
                                   kDigits17 - 1);
    std::array<char, kDigits17 + 1> d{};  // d[0] is room for a carry digit
    d[1] = sci[0];
    std::memcpy(&d[2], sci + 2, kDigits17 - 1);
    int exponent = 0;
    {
        const char* e = sci + 1 + kDigits17;  // the 'e'
        std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);
    }

    // Round the 17-digit string to 15 digits, half up on the 16th.
    int first = 1;
    if (d[1 + kDigits15] >= '5') {
        int i = kDigits15;
        while (i >= 1 && d[i] == '9') d[i--] = '0';
        if (i >= 1) {
            ++d[i];
        } else {
            d[0] = '1';
            first = 0;
            ++exponent;
        }
    }
    const char* digits = &d[first];  // 15 significant digits
    int count = kDigits15;
    while (count > 1 && digits[count - 1] == '0') --count;

    char* p = out;
    if (x < 0) *p++ = '-';
    if (exponent < -4 || exponent >= kDigits15) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            std::memcpy(p, digits + 1, count - 1);
            p += count - 1;
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int a = exponent < 0 ? -exponent : exponent;
        *p++ = static_cast<char>('0' + a / 100);
        *p++ = static_cast<char>('0' + a / 10 % 10);
        *p++ = static_cast<char>('0' + a % 10);
    } else if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exponent; --i) *p++ = '0';
        std::memcpy(p, digits, count);
        p += count;
    } else {
        const int intDigits = exponent + 1;
        if (count <= intDigits) {
            std::memcpy(p, digits, count);
            p += count;
            for (int i = count; i < intDigits; ++i) *p++ = '0';
        } else {
            std::memcpy(p, digits, intDigits);
            p += intDigits;
            *p++ = '.';
            std::memcpy(p, digits + intDigits, count - intDigits);
            p += count - intDigits;
        }
    }
    return static_cast<std::size_t>(p - out);
}

std::string FormatNumberText(double x) {
    char buf[kMaxNumberTextLength];
    return std::string(buf, FormatNumberTextTo(x, buf));
}

// ------------------------------------------------------------------- parsing

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where a number begins and ends in the text, after its syntax is checked.
struct NumberSyntax {
    std::size_t mantissaBegin = 0;  // first digit or point of the mantissa
    std::size_t mantissaEnd = 0;
    std::size_t exponentLetter = std::string_view::npos;  // npos: no exponent
    std::size_t end = 0;                                  // one past the number
    bool negative = false;
    bool found = false;
    bool nonZeroDigit = false;
    std::int64_t exponent = 0;        // the exponent part, saturated
    std::int64_t fractionDigits = 0;  // mantissa digits after the point
    std::int64_t leadExponent = 0;    // power of ten of the first significant digit
};

NumberSyntax ScanNumber(std::string_view s, std::size_t i) {
    NumberSyntax n;
    n.end = i;
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    n.mantissaBegin = i;
    std::int64_t significantIntDigits = 0, leadingFractionZeros = 0, digits = 0;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            ++digits;
            if (!seenPoint) {
                if (n.nonZeroDigit || c != '0') ++significantIntDigits;
            } else {
                ++n.fractionDigits;
                if (!n.nonZeroDigit && c == '0') ++leadingFractionZeros;
            }
            if (c != '0') n.nonZeroDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0) return n;  // no number: a lone point or nothing
    n.found = true;
    n.mantissaEnd = i;
    n.end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            // Saturate: far beyond the double range the value is 0 or infinite anyway.
            constexpr std::int64_t kCap = 1'000'000'000;
            std::int64_t e = 0;
            for (; j < s.size() && IsDigit(s[j]); ++j) e = e < kCap ? e * 10 + (s[j] - '0') : kCap;
            n.exponentLetter = i;
            n.end = j;
            n.exponent = negativeExponent ? -e : e;
        }
    }
    n.leadExponent =
        (significantIntDigits > 0 ? significantIntDigits - 1 : -1 - leadingFractionZeros) + n.exponent;
    return n;
}

// The decimal value of the number (without its sign) rounded to the nearest
// double, or an out-of-range error. from_chars knows only "e" and "E" as
// exponent letters, so a "d" or "D" is replaced in a copy.
std::from_chars_result ConvertMagnitude(std::string_view s, const NumberSyntax& n, double& value) {
    const char* begin = s.data() + n.mantissaBegin;
    const char* end = s.data() + n.end;
    if (n.exponentLetter == std::string_view::npos || s[n.exponentLetter] == 'e' || s[n.exponentLetter] == 'E')
        return std::from_chars(begin, end, value);
    std::string copy(begin, end);
    copy[n.exponentLetter - n.mantissaBegin] = 'e';
    const auto r = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    return {end, r.ec};
}

// Four times the number's magnitude, as an integer digit string with a
// power of ten. Scaling by a power of two lets from_chars decide a 53-bit
// rounding at a threshold that lies off the subnormal grid.
std::string TimesFour(std::string_view s, const NumberSyntax& n) {
    std::string digits;
    for (std::size_t i = n.mantissaBegin; i < n.mantissaEnd; ++i)
        if (IsDigit(s[i])) digits.push_back(s[i]);
    int carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int v = (*it - '0') * 4 + carry;
        *it = static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    if (carry != 0) digits.insert(digits.begin(), static_cast<char>('0' + carry));
    return digits + 'e' + std::to_string(n.exponent - n.fractionDigits);
}

}  // namespace

namespace {

// The full reading, for what the fast path below does not take: "d"
// exponents, and values beyond the normal double range or at its lower edge.
// Returns the value and where the number ends.
std::pair<double, std::size_t> ConvertFully(std::string_view s, std::size_t i) {
    const NumberSyntax n = ScanNumber(s, i);
    if (!n.found) return {0.0, i};
    if (!n.nonZeroDigit) return {0.0, n.end};
    double magnitude = 0.0;
    const auto r = ConvertMagnitude(s, n, magnitude);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; the exponent tells which side.
        magnitude = n.leadExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (magnitude < DBL_MIN) {
        magnitude = 0.0;  // no subnormal results
    } else if (magnitude == DBL_MIN) {
        // The subnormal grid rounds up to DBL_MIN from further below than a
        // 53-bit rounding does. Decide at the 53-bit threshold
        // DBL_MIN - 2^-1076, which times four is the midpoint just below
        // 2^-1020 on that binade's grid.
        double scaled = 0.0;
        const std::string text = TimesFour(s, n);
        std::from_chars(text.data(), text.data() + text.size(), scaled);
        if (scaled < 4 * DBL_MIN) magnitude = 0.0;
    }
    return {n.negative && magnitude != 0.0 ? -magnitude : magnitude, n.end};
}

}  // namespace

std::optional<double> ParseNumberText(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    const char first = i < s.size() ? s[i] : '\0';

    // Fast path: a plain decimal such as "0.35", "-1.5" or "1e-005" is read
    // by from_chars as it stands.
    std::size_t m = i;
    while (m < s.size() && IsSpace(s[m])) ++m;
    const bool negative = m < s.size() && s[m] == '-';
    if (m < s.size() && (s[m] == '-' || s[m] == '+')) ++m;
    double value = 0.0;
    std::size_t end = 0;
    double magnitude = 0.0;
    const auto r = m < s.size() && (IsDigit(s[m]) || s[m] == '.')
                       ? std::from_chars(s.data() + m, s.data() + s.size(), magnitude)
                       : std::from_chars_result{nullptr, std::errc::invalid_argument};
    const bool plain = r.ec == std::errc{} && (magnitude > DBL_MIN || magnitude == 0.0) &&
                       (r.ptr == s.data() + s.size() || (*r.ptr != 'd' && *r.ptr != 'D'));
    if (plain) {
        value = negative && magnitude != 0.0 ? -magnitude : magnitude;
        end = static_cast<std::size_t>(r.ptr - s.data());
    } else {
        std::tie(value, end) = ConvertFully(s, i);
    }

    if (value == 0.0 && first != '0') return std::nullopt;
    while (end < s.size() && IsBlank(s[end])) ++end;
    if (end != s.size()) return std::nullopt;
    return value;
}
