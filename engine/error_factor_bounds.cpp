#include "error_factor_bounds.h"

#include <cmath>

#include "rounding.h"

namespace {

// Both give b on equality. With a NaN argument Min gives a and Max gives b,
// so a NaN corner spoils a minimum it reaches first but never a maximum
// (std::min/std::max behave differently, hence these).
double Min(double a, double b) { return (a != a || b != b) ? a : (a < b ? a : b); }
double Max(double a, double b) { return a > b ? a : b; }

}  // namespace

ErrorFactorCorners ComputeErrorFactorCorners(const ErrorFactorInputs& in) {
    const SpectrumParams p = LookupSpectrumParams(in.Spectrum, in.Soil);
    ErrorFactorCorners c{};
    c.Sd0 = DesignSpectrumOrdinate(in.Period, p, in.BehaviourFactor, in.Ag);
    // Shortest period: least mass with the stiffest structure; longest: the reverse.
    c.TMin = std::sqrt(in.FmMin / in.FkMax) * in.Period;
    c.TMax = std::sqrt(in.FmMax / in.FkMin) * in.Period;
    c.Q1 = in.BehaviourFactor * in.FqMin;
    c.Q2 = in.BehaviourFactor * in.FqMax;

    const double period[4] = {c.TMin, c.TMin, c.TMax, c.TMax};
    const double q[4] = {c.Q1, c.Q2, c.Q1, c.Q2};
    const double mass[4] = {in.FmMin, in.FmMin, in.FmMax, in.FmMax};
    const double stiffness[4] = {in.FkMax, in.FkMax, in.FkMin, in.FkMin};
    for (int i = 0; i < 4; ++i) {
        c.Ordinate[i] = DesignSpectrumOrdinate(period[i], p, q[i], in.Ag);
        double force = c.Ordinate[i] / c.Sd0;
        force = force * mass[i];
        c.Force[i] = force;
        c.Disp[i] = force / stiffness[i];
    }
    return c;
}

ErrorFactorBounds SelectUnroundedBounds(const ErrorFactorCorners& c) {
    const double* d = c.Disp;
    const double* f = c.Force;
    return {
        Min(d[0], Min(d[1], Min(d[2], d[3]))),
        Min(f[0], Min(f[1], Min(f[2], f[3]))),
        Max(d[0], Max(d[1], Max(d[2], d[3]))),
        Max(f[0], Max(f[1], Max(f[2], f[3]))),
    };
}

ErrorFactorBounds ComputeErrorFactorBounds(const ErrorFactorInputs& in) {
    const ErrorFactorBounds u = SelectUnroundedBounds(ComputeErrorFactorCorners(in));
    return {RoundToHundredths(u.DispMin), RoundToHundredths(u.ForceMin), RoundToHundredths(u.DispMax),
            RoundToHundredths(u.ForceMax)};
}
