// Bounds of the displacement and restoring-force factors of a SDOF
// oscillator whose behaviour factor, stiffness and mass carry error factors.
#pragma once

#include "spectrum.h"

struct ErrorFactorInputs {
    double Period;           // nominal T*, s
    double BehaviourFactor;  // nominal q*
    double Ag;               // design ground acceleration, fraction of g
    SpectrumType Spectrum;
    SoilClass Soil;
    double FqMin, FqMax;
    double FkMin, FkMax;
    double FmMin, FmMax;
};

// Each value is n * 0.01 for a signed 32-bit number of hundredths n.
struct ErrorFactorBounds {
    double DispMin;
    double ForceMin;
    double DispMax;
    double ForceMax;
};

// The intermediate quantities of one calculation: the nominal ordinate,
// the two periods and two behaviour factors of the corners, and each
// corner's ordinate, force factor and displacement factor. Corner i (1..4)
// is stored at index i - 1: (Tmin, q1), (Tmin, q2), (Tmax, q1), (Tmax, q2).
struct ErrorFactorCorners {
    double Sd0;
    double TMin, TMax;
    double Q1, Q2;
    double Ordinate[4];
    double Force[4];
    double Disp[4];
};

ErrorFactorCorners ComputeErrorFactorCorners(const ErrorFactorInputs& in);

// The minima and maxima of the corners, before rounding.
ErrorFactorBounds SelectUnroundedBounds(const ErrorFactorCorners& c);

// Pure; validates nothing. Zero, negative or infinite inputs follow IEEE
// arithmetic through to the rounding.
ErrorFactorBounds ComputeErrorFactorBounds(const ErrorFactorInputs& in);
