// The record of the main dialog: every value it shows, with its defaults.
// The Windows dialog class derives from it and adds the icon handle.
#pragma once

#include "error_factor_bounds.h"

// The only two members with a range; the bounds themselves pass.
inline constexpr double kPeriodMin = 0.00001, kPeriodMax = 100;  // seconds
inline constexpr double kAgMin = 0.0001, kAgMax = 10;            // units of g

struct ErrorFactorsFormRecord {
    // Members in their order of declaration in the dialog; the defaults are
    // what the form shows at start-up.
    double m_dFkMax = 1.05;
    double m_dFkMin = 0.95;
    double m_dFmMax = 1.1;
    double m_dFmMin = 0.9;
    double m_dFqMax = 1.1;
    double m_dFqMin = 0.9;
    int m_nSpectrumType = 0;  // index of the checked radio button, -1 for none
    double m_dPeriod = 1.0;   // seconds
    double m_dBehaviourFactor = 3.0;
    int m_nSoilClass = 2;     // 0..4 for A..E, -1 for none
    double m_dDispMin = 0.0;
    double m_dForceMin = 0.0;
    double m_dDispMax = 0.0;
    double m_dForceMax = 0.0;
    double m_dAg = 0.35;      // units of g

    friend bool operator==(const ErrorFactorsFormRecord&, const ErrorFactorsFormRecord&) = default;
};

// The engine's input from the record. A radio index outside its group's
// range becomes an enumerator outside the enumeration, for which the engine
// gives NaN results rather than a plausible number.
ErrorFactorInputs ToErrorFactorInputs(const ErrorFactorsFormRecord& form);

// Stores the four results in their members.
void StoreErrorFactorBounds(ErrorFactorsFormRecord& form, const ErrorFactorBounds& bounds);
