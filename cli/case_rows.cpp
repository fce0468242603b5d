#include "case_rows.h"

#include <string>

#include "number_text.h"

void WriteCaseHeader(BufferedOutput& out, char separator) {
    std::string header;
    for (std::string_view name : kCaseFieldNames) (header += name) += separator;
    for (std::size_t i = 0; i < kResultNames.size(); ++i) {
        header += kResultNames[i];
        header += i + 1 < kResultNames.size() ? separator : '\n';
    }
    out.Write(header);
}

void WriteCaseRow(BufferedOutput& out, char separator, const ErrorFactorInputs& in, const ErrorFactorBounds& b) {
    char* const start = out.Reserve(kMaxCaseRowLength);
    char* p = start;
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        p += FormatCaseFieldTo(static_cast<CaseField>(i), in, p);
        *p++ = separator;
    }
    const double results[4] = {b.DispMin, b.ForceMin, b.DispMax, b.ForceMax};
    for (double r : results) {
        p += FormatNumberTextTo(r, p);
        *p++ = separator;
    }
    p[-1] = '\n';
    out.Commit(p);
}
