// The eleven inputs of one case as named fields: their names on the command
// line and in CSV headers, their defaults and ranges (those of the dialog's
// form), and their reading and writing in the form's number text.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "error_factor_bounds.h"
#include "form_record.h"

enum class CaseField : int {
    Period,
    BehaviourFactor,
    Ag,
    Spectrum,
    Soil,
    FqMin,
    FqMax,
    FkMin,
    FkMax,
    FmMin,
    FmMax,
};
inline constexpr std::size_t kCaseFieldCount = 11;

// The column names, in the order every output row lists the inputs.
inline constexpr std::array<std::string_view, kCaseFieldCount> kCaseFieldNames = {
    "period", "behaviour_factor", "ag", "spectrum", "soil", "fqmin",
    "fqmax",  "fkmin",            "fkmax", "fmmin", "fmmax"};

// The four results, in the order of ErrorFactorBounds.
inline constexpr std::array<std::string_view, 4> kResultNames = {"disp_min", "force_min", "disp_max",
                                                                  "force_max"};

// The four results in the order of kResultNames.
inline std::array<double, 4> ResultValues(const ErrorFactorBounds& b) {
    return {b.DispMin, b.ForceMin, b.DispMax, b.ForceMax};
}

// The dialog's starting values, taken from its form record.
ErrorFactorInputs DefaultCaseInputs();

// Only the period and ag are range-checked, as in the dialog's exchange
// (kPeriodMin ... kAgMax of the form record).

// The text without the spaces and tabs around it.
std::string_view TrimBlanks(std::string_view s);

// Finds a field by its column name; false when the name is not one.
bool FindCaseField(std::string_view name, CaseField& field);

enum class FieldStatus { Ok, NotANumber, OutOfRange, NotASpectrum, NotASoil };

// Reads text into the field of in. Numbers go through ParseNumberText (the
// whole text, blanks around it allowed); spectrum is 1 or 2, soil A to E.
// On failure in is left unchanged.
FieldStatus ReadCaseField(CaseField field, std::string_view text, ErrorFactorInputs& in);

// "'0' is out of range: period must be between 1e-005 and 100", and the like.
std::string DescribeFieldError(CaseField field, FieldStatus status, std::string_view text);

// Writes the field's text (at most kMaxNumberTextLength characters) into out
// and returns how many characters it wrote.
std::size_t FormatCaseFieldTo(CaseField field, const ErrorFactorInputs& in, char* out);
std::string FormatCaseField(CaseField field, const ErrorFactorInputs& in);

inline bool IsNumberField(CaseField field) { return field != CaseField::Spectrum && field != CaseField::Soil; }

// The value of a number field; 0 for spectrum and soil.
double CaseFieldNumber(CaseField field, const ErrorFactorInputs& in);
