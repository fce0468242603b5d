#include "case_rows.h"

#include <cstring>
#include <string>

void CaseRowWriter::Header() {
    std::string header;
    for (std::string_view name : kCaseFieldNames) (header += name) += separator_;
    for (std::size_t i = 0; i < kResultNames.size(); ++i) {
        header += kResultNames[i];
        header += i + 1 < kResultNames.size() ? separator_ : '\n';
    }
    out_.Write(header);
}

void CaseRowWriter::Row(const ErrorFactorInputs& in, const ErrorFactorBounds& b) {
    char* p = out_.Reserve(kMaxCaseRowLength);
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        const auto field = static_cast<CaseField>(i);
        p += IsNumberField(field) ? memo_->FormatTo(CaseFieldNumber(field, in), p) : FormatCaseFieldTo(field, in, p);
        *p++ = separator_;
    }
    for (double r : ResultValues(b)) {
        p += memo_->FormatTo(r, p);
        *p++ = separator_;
    }
    p[-1] = '\n';
    out_.Commit(p);
}
