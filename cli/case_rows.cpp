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

void CaseRowWriter::RowFromTexts(const std::string_view* inputTexts, const ErrorFactorBounds& b) {
    char* p = out_.Reserve(kMaxCaseRowLength);
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        std::memcpy(p, inputTexts[i].data(), inputTexts[i].size());
        p += inputTexts[i].size();
        *p++ = separator_;
    }
    const double results[4] = {b.DispMin, b.ForceMin, b.DispMax, b.ForceMax};
    for (double r : results) {
        p += memo_->FormatTo(r, p);
        *p++ = separator_;
    }
    p[-1] = '\n';
    out_.Commit(p);
}

void CaseRowWriter::Row(const ErrorFactorInputs& in, const ErrorFactorBounds& b) {
    char texts[kCaseFieldCount][kMaxNumberTextLength];
    std::string_view views[kCaseFieldCount];
    for (std::size_t i = 0; i < kCaseFieldCount; ++i)
        views[i] = std::string_view(texts[i], FormatCaseFieldTo(static_cast<CaseField>(i), in, texts[i]));
    RowFromTexts(views, b);
}
