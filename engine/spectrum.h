// EN 1998-1 horizontal design spectrum for elastic analysis.
#pragma once

// Values are the indexes of the radio buttons in the form's groups.
enum class SpectrumType : int { Type1 = 0, Type2 = 1 };
enum class SoilClass : int { A = 0, B = 1, C = 2, D = 3, E = 4 };

struct SpectrumParams {
    double S;   // soil factor
    double TB;  // start of the constant branch, s
    double TC;  // end of the constant branch, s
    double TD;  // start of the constant-displacement range, s
};

// The recommended parameters of the table row. A type or class outside the
// enumerations has no row: every parameter is then NaN, so any ordinate
// computed from it is NaN rather than a plausible-looking number.
SpectrumParams LookupSpectrumParams(SpectrumType type, SoilClass soil);

// Sd(T) in the unit of ag. No validation; every double input follows IEEE
// arithmetic, in exactly the order of operations below (results are compared
// and rounded downstream, so the last bit matters).
double DesignSpectrumOrdinate(double T, const SpectrumParams& p, double q, double ag);
