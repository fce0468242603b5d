#include "sweep.h"

#include <cmath>

#include "buffered_output.h"
#include "case_fields.h"
#include "case_rows.h"
#include "number_text.h"

std::string PlanPeriodRange(double from, double to, double step, PeriodRange& range) {
    if (!(step > 0)) return "the period step must be greater than 0";
    if (!(from <= to)) return "the first period (" + FormatNumberText(from) + ") is greater than the last (" +
                              FormatNumberText(to) + ")";
    // Tolerate the rounding of (to - from) / step just below a whole number.
    const double steps = (to - from) / step * (1 + 1e-12);
    if (!(steps < static_cast<double>(kMaxSweepPeriods)))
        return "the period range has more than " + std::to_string(kMaxSweepPeriods) + " steps";
    range = {from, to, step, static_cast<std::uint64_t>(std::floor(steps)) + 1};
    return {};
}

double PeriodAt(const PeriodRange& range, std::uint64_t i) {
    const double t = range.from + static_cast<double>(i) * range.step;
    const double rounded = ParseNumberText(FormatNumberText(t)).value_or(t);
    // The rounding may step a hair past the last period, never past the range.
    return rounded > range.to ? range.to : rounded;
}

bool RunSweep(const SweepPlan& plan, std::FILE* out, char separator) {
    BufferedOutput output(out);
    CaseRowWriter rows(output, separator);
    rows.Header();
    const std::vector<SpectrumType> spectra = plan.spectra.empty() ? std::vector{plan.base.Spectrum} : plan.spectra;
    const std::vector<SoilClass> soils = plan.soils.empty() ? std::vector{plan.base.Soil} : plan.soils;
    const std::uint64_t periods = plan.hasRange ? plan.range.count : 1;
    ErrorFactorInputs in = plan.base;
    for (SpectrumType spectrum : spectra) {
        for (SoilClass soil : soils) {
            for (std::uint64_t i = 0; i < periods; ++i) {
                in.Spectrum = spectrum;
                in.Soil = soil;
                if (plan.hasRange) in.Period = PeriodAt(plan.range, i);
                rows.Row(in, ComputeErrorFactorBounds(in));
            }
        }
    }
    return output.Flush();
}
