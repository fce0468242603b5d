#include "form_record.h"

ErrorFactorInputs ToErrorFactorInputs(const ErrorFactorsFormRecord& form) {
    ErrorFactorInputs in{};
    in.Period = form.m_dPeriod;
    in.BehaviourFactor = form.m_dBehaviourFactor;
    in.Ag = form.m_dAg;
    // Both enumerations have int as their underlying type, so every index
    // converts; the engine has no parameters for the ones outside the range.
    in.Spectrum = static_cast<SpectrumType>(form.m_nSpectrumType);
    in.Soil = static_cast<SoilClass>(form.m_nSoilClass);
    in.FqMin = form.m_dFqMin;
    in.FqMax = form.m_dFqMax;
    in.FkMin = form.m_dFkMin;
    in.FkMax = form.m_dFkMax;
    in.FmMin = form.m_dFmMin;
    in.FmMax = form.m_dFmMax;
    return in;
}

void StoreErrorFactorBounds(ErrorFactorsFormRecord& form, const ErrorFactorBounds& bounds) {
    form.m_dDispMin = bounds.DispMin;
    form.m_dForceMin = bounds.ForceMin;
    form.m_dDispMax = bounds.DispMax;
    form.m_dForceMax = bounds.ForceMax;
}
