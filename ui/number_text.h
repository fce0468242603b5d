// The one text form of every number in the dialog, in both directions.
// Independent of the user's regional settings: the point is always the
// decimal separator and there is no digit grouping.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Longest text FormatNumberText produces ("-1.23456789012345e-308").
inline constexpr std::size_t kMaxNumberTextLength = 22;

// "%.15g"-like text: three-digit exponent, "1.#INF" / "-1.#INF" for the
// infinities, "0" for both zeros, "1.#QNAN" / "-1.#QNAN" for NaN.
// Writes at most kMaxNumberTextLength characters (no terminator) into out
// and returns how many.
std::size_t FormatNumberTextTo(double x, char* out);
std::string FormatNumberText(double x);

// strtod-like reading with the form's rules: nullopt is a rejection.
std::optional<double> ParseNumberText(std::string_view text);
