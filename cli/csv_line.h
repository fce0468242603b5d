// Splitting one CSV line into its fields. A field may be wrapped in double
// quotes (spreadsheets do that), which lets it hold the separator; the
// quotes are not part of the field. Lines never span several physical lines.
#pragma once

#include <cstddef>
#include <string_view>

struct CsvSplit {
    enum class Status { Ok, UnterminatedQuote, TextAfterQuote };
    Status status = Status::Ok;
    std::size_t fieldCount = 0;  // all fields of the line, also those beyond maxFields
    std::size_t badColumn = 0;   // 1-based column of a quoting fault
};

// Stores the first maxFields fields in fields[] as views into line.
CsvSplit SplitCsvLine(std::string_view line, char separator, std::string_view* fields, std::size_t maxFields);
