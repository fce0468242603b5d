// Rounding of results to hundredths.
#pragma once

#include <cstdint>

// x + 0.5 (or x - 0.5 below zero), rounded to double, then truncated.
// Never converts out of range: NaN gives 0, and anything beyond the signed
// 32-bit range (infinities included) saturates at its limit.
std::int32_t RoundHalfAwayFromZero(double x);

// RoundHalfAwayFromZero(x * 100) * 0.01, each step rounded to double.
double RoundToHundredths(double x);
