// The CSV form of cases shared by bounds, batch and sweep: the eleven
// inputs in a fixed order, then the four results, all in the form's text.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "buffered_output.h"
#include "case_fields.h"
#include "number_text_memo.h"

// Longest row: 15 fields of at most kMaxNumberTextLength characters, 14
// separators and the newline.
inline constexpr std::size_t kMaxCaseRowLength = 15 * kMaxNumberTextLength + 15;

class CaseRowWriter {
public:
    CaseRowWriter(BufferedOutput& out, char separator)
        : out_(out), separator_(separator), memo_(std::make_unique<NumberTextMemo>()) {}

    void Header();
    void Row(const ErrorFactorInputs& in, const ErrorFactorBounds& b);

private:
    BufferedOutput& out_;
    char separator_;
    std::unique_ptr<NumberTextMemo> memo_;
};
