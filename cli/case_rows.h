// The CSV form of cases shared by bounds, batch and sweep: the eleven
// inputs in a fixed order, then the four results, all in the form's text.
#pragma once

#include <cstddef>

#include "buffered_output.h"
#include "case_fields.h"

// Longest row: 15 fields of at most kMaxNumberTextLength characters, 14
// separators and the newline.
inline constexpr std::size_t kMaxCaseRowLength = 15 * 22 + 15;

void WriteCaseHeader(BufferedOutput& out, char separator);
void WriteCaseRow(BufferedOutput& out, char separator, const ErrorFactorInputs& in, const ErrorFactorBounds& b);
