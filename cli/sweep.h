// The sweep command's core: a table of cases over a period range and over
// lists of spectrum types and soil classes, all else fixed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "error_factor_bounds.h"

struct PeriodRange {
    double from = 0, to = 0, step = 0;
    std::uint64_t count = 0;  // periods from, from + step, ... up to to
};

// Checks a range (from and to within the period's range, from <= to,
// step > 0, not too many rows) and counts its periods. Returns an error
// message, empty when the range is good.
std::string PlanPeriodRange(double from, double to, double step, PeriodRange& range);

// The i-th period of the range, as the number its text in the output reads:
// from + i * step (no accumulated error), rounded to the form's 15 digits so
// that every row can be reproduced from its own text.
double PeriodAt(const PeriodRange& range, std::uint64_t i);

struct SweepPlan {
    ErrorFactorInputs base;
    std::vector<SpectrumType> spectra;  // the base's alone when empty
    std::vector<SoilClass> soils;       // the base's alone when empty
    bool hasRange = false;              // otherwise the base's period alone
    PeriodRange range;
};

// Writes the header and the rows, spectrum outermost and period innermost.
// False when writing failed.
bool RunSweep(const SweepPlan& plan, std::FILE* out, char separator);

inline constexpr std::uint64_t kMaxSweepPeriods = 10'000'000;
