#include "case_fields.h"

#include "form_record.h"
#include "number_text.h"

namespace {

const double* NumberMember(CaseField field, const ErrorFactorInputs& in) {
    switch (field) {
        case CaseField::Period: return &in.Period;
        case CaseField::BehaviourFactor: return &in.BehaviourFactor;
        case CaseField::Ag: return &in.Ag;
        case CaseField::FqMin: return &in.FqMin;
        case CaseField::FqMax: return &in.FqMax;
        case CaseField::FkMin: return &in.FkMin;
        case CaseField::FkMax: return &in.FkMax;
        case CaseField::FmMin: return &in.FmMin;
        case CaseField::FmMax: return &in.FmMax;
        case CaseField::Spectrum:
        case CaseField::Soil: break;
    }
    return nullptr;
}

double* NumberMember(CaseField field, ErrorFactorInputs& in) {
    return const_cast<double*>(NumberMember(field, static_cast<const ErrorFactorInputs&>(in)));
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}


ErrorFactorInputs DefaultCaseInputs() { return ToErrorFactorInputs(ErrorFactorsFormRecord{}); }

bool FindCaseField(std::string_view name, CaseField& field) {
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        if (kCaseFieldNames[i] == name) {
            field = static_cast<CaseField>(i);
            return true;
        }
    }
    return false;
}

FieldStatus ReadCaseField(CaseField field, std::string_view text, ErrorFactorInputs& in) {
    if (field == CaseField::Spectrum) {
        const std::string_view t = TrimBlanks(text);
        if (t != "1" && t != "2") return FieldStatus::NotASpectrum;
        in.Spectrum = t == "1" ? SpectrumType::Type1 : SpectrumType::Type2;
        return FieldStatus::Ok;
    }
    if (field == CaseField::Soil) {
        const std::string_view t = TrimBlanks(text);
        if (t.size() != 1) return FieldStatus::NotASoil;
        const char c = static_cast<char>(t[0] >= 'a' && t[0] <= 'e' ? t[0] - 'a' + 'A' : t[0]);
        if (c < 'A' || c > 'E') return FieldStatus::NotASoil;
        in.Soil = static_cast<SoilClass>(c - 'A');
        return FieldStatus::Ok;
    }
    const std::optional<double> value = ParseNumberText(text);
    if (!value) return FieldStatus::NotANumber;
    // Written so that NaN fails too (ParseNumberText never gives one today).
    if (field == CaseField::Period && !(*value >= kPeriodMin && *value <= kPeriodMax))
        return FieldStatus::OutOfRange;
    if (field == CaseField::Ag && !(*value >= kAgMin && *value <= kAgMax)) return FieldStatus::OutOfRange;
    *NumberMember(field, in) = *value;
    return FieldStatus::Ok;
}

std::string DescribeFieldError(CaseField field, FieldStatus status, std::string_view text) {
    std::string quoted(1, '\'');
    (quoted += text) += '\'';
    const std::string_view name = kCaseFieldNames[static_cast<std::size_t>(field)];
    switch (status) {
        case FieldStatus::Ok: return {};
        case FieldStatus::NotANumber: return quoted + " is not a number";
        case FieldStatus::NotASpectrum: return quoted + " is not a spectrum type: use 1 or 2";
        case FieldStatus::NotASoil: return quoted + " is not a soil class: use A, B, C, D or E";
        case FieldStatus::OutOfRange: {
            const bool period = field == CaseField::Period;
            return quoted + " is out of range: " + std::string(name) + " must be between " +
                   FormatNumberText(period ? kPeriodMin : kAgMin) + " and " +
                   FormatNumberText(period ? kPeriodMax : kAgMax);
        }
    }
    return {};
}

std::size_t FormatCaseFieldTo(CaseField field, const ErrorFactorInputs& in, char* out) {
    if (field == CaseField::Spectrum) {
        out[0] = in.Spectrum == SpectrumType::Type2 ? '2' : '1';
        return 1;
    }
    if (field == CaseField::Soil) {
        const int soil = static_cast<int>(in.Soil);
        out[0] = soil >= 0 && soil <= 4 ? static_cast<char>('A' + soil) : '?';
        return 1;
    }
    return FormatNumberTextTo(*NumberMember(field, in), out);
}

std::string FormatCaseField(CaseField field, const ErrorFactorInputs& in) {
    char buf[kMaxNumberTextLength];
    return std::string(buf, FormatCaseFieldTo(field, in, buf));
}

double CaseFieldNumber(CaseField field, const ErrorFactorInputs& in) {
    const double* member = NumberMember(field, in);
    return member != nullptr ? *member : 0.0;
}
