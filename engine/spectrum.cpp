#include "spectrum.h"

#include <limits>

namespace {

constexpr double kAmplification = 2.5;
constexpr double kTwoThirds = 2.0 / 3.0;  // 0x3FE5555555555555
constexpr double kBeta = 0.2;

constexpr int kTypeCount = 2;
constexpr int kSoilCount = 5;

constexpr SpectrumParams kTable[kTypeCount][kSoilCount] = {
    {{1.0, 0.15, 0.4, 2.0},
     {1.2, 0.15, 0.5, 2.0},
     {1.15, 0.2, 0.6, 2.0},
     {1.35, 0.2, 0.8, 2.0},
     {1.4, 0.15, 0.5, 2.0}},
    {{1.0, 0.05, 0.25, 1.2},
     {1.35, 0.05, 0.25, 1.2},
     {1.5, 0.1, 0.25, 1.2},
     {1.8, 0.1, 0.3, 1.2},
     {1.6, 0.05, 0.25, 1.2}},
};

}  // namespace

SpectrumParams LookupSpectrumParams(SpectrumType type, SoilClass soil) {
    const int t = static_cast<int>(type);
    const int s = static_cast<int>(soil);
    if (t < 0 || t >= kTypeCount || s < 0 || s >= kSoilCount) {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan, nan};
    }
    return kTable[t][s];
}

double DesignSpectrumOrdinate(double T, const SpectrumParams& p, double q, double ag) {
    // Three strict comparisons in this order: a NaN period falls in range 1,
    // and each boundary belongs to the lower range.
    if (!(T > p.TB)) {
        double a = kAmplification / q;
        a = a - kTwoThirds;
        const double b = T / p.TB;
        double r = a * b;
        r = r + kTwoThirds;
        r = r * p.S;
        r = r * ag;
        return r;
    }
    if (!(T > p.TC)) {
        double r = kAmplification / q;
        r = r * p.S;
        r = r * ag;
        return r;
    }
    // The lower bound is beta * ag (not beta * S * ag) and applies beyond TC only.
    const double bound = ag * kBeta;
    double v;
    if (!(T > p.TD)) {
        v = p.TC * kAmplification;
        v = v / q;
        v = v / T;
        v = v * p.S;
        v = v * ag;
    } else {
        v = p.TC * p.TD;
        v = v / T;
        v = v / T;
        const double w = kAmplification / q;
        v = v * w;
        v = v * p.S;
        v = v * ag;
    }
    // A NaN v fails the comparison and yields the bound.
    return v >= bound ? v : bound;
}
