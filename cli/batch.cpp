#include "batch.h"

#include <array>
#include <string>
#include <string_view>

#include "buffered_output.h"
#include "case_fields.h"
#include "case_rows.h"
#include "csv_line.h"
#include "number_text.h"
#include "line_reader.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string AllColumnNames() {
    std::string names;
    for (std::string_view n : kCaseFieldNames) (names += names.empty() ? "" : ", ") += n;
    return names;
}

void Report(std::FILE* err, std::uint64_t line, const std::string& message) {
    std::fprintf(err, "quintaro batch: line %llu%s\n", static_cast<unsigned long long>(line), message.c_str());
}

const char* QuoteFault(CsvSplit::Status status) {
    return status == CsvSplit::Status::UnterminatedQuote ? "the quoted field has no closing quote"
                                                         : "text after the closing quote of the field";
}

// The columns the header names, in its order.
struct Columns {
    std::array<CaseField, kCaseFieldCount> field{};
    std::size_t count = 0;
};

bool ReadHeader(std::string_view line, char separator, Columns& columns, std::FILE* err) {
    if (line.substr(0, kUtf8Bom.size()) == kUtf8Bom) line.remove_prefix(kUtf8Bom.size());
    std::array<std::string_view, kCaseFieldCount + 1> names;
    const CsvSplit split = SplitCsvLine(line, separator, names.data(), names.size());
    if (split.status != CsvSplit::Status::Ok) {
        Report(err, 1, ", column " + std::to_string(split.badColumn) + ": " + QuoteFault(split.status));
        return false;
    }
    std::array<bool, kCaseFieldCount> seen{};
    const std::size_t n = split.fieldCount < names.size() ? split.fieldCount : names.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view name = TrimBlanks(names[i]);
        CaseField field{};
        const std::string where = ", column " + std::to_string(i + 1) + ": ";
        if (!FindCaseField(name, field)) {
            Report(err, 1, where + "unknown column '" + std::string(name) + "' (the columns are " +
                               AllColumnNames() + ")");
            return false;
        }
        if (seen[static_cast<std::size_t>(field)]) {
            Report(err, 1, where + "column '" + std::string(name) + "' appears twice");
            return false;
        }
        seen[static_cast<std::size_t>(field)] = true;
        columns.field[columns.count++] = field;
    }
    return true;
}

// Reads one case line into in. On a fault reports it and returns false.
bool ReadCase(std::string_view line, std::uint64_t number, char separator, const Columns& columns,
              ErrorFactorInputs& in, std::FILE* err) {
    std::array<std::string_view, kCaseFieldCount> fields;
    const CsvSplit split = SplitCsvLine(line, separator, fields.data(), columns.count);
    if (split.status != CsvSplit::Status::Ok) {
        Report(err, number, ", column " + std::to_string(split.badColumn) + ": " + QuoteFault(split.status));
        return false;
    }
    if (split.fieldCount != columns.count) {
        Report(err, number, ": " + std::to_string(split.fieldCount) + " fields, but the header names " +
                                std::to_string(columns.count));
        return false;
    }
    for (std::size_t i = 0; i < columns.count; ++i) {
        const CaseField field = columns.field[i];
        const auto f = static_cast<std::size_t>(field);
        const FieldStatus status = ReadCaseField(field, fields[i], in);
        if (status != FieldStatus::Ok) {
            Report(err, number,
                   ", column " + std::to_string(i + 1) + " (" + std::string(kCaseFieldNames[f]) +
                       "): " + DescribeFieldError(field, status, fields[i]));
            return false;
        }
    }
    return true;
}

}  // namespace

BatchSummary RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, char separator) {
    BatchSummary summary;
    LineReader reader(in);
    BufferedOutput output(out);
    std::string_view line;

    LineReader::Status status = reader.Next(line);
    Columns columns;
    if (status != LineReader::Status::Line) {
        if (status == LineReader::Status::TooLong)
            Report(err, 1, ": the header is longer than " + std::to_string(LineReader::kMaxLineLength) +
                               " characters");
        else if (status == LineReader::Status::ReadError)
            std::fprintf(err, "quintaro batch: the input could not be read\n");
        else
            std::fprintf(err, "quintaro batch: the input is empty; the first line must name the columns (%s)\n",
                         AllColumnNames().c_str());
        summary.headerRejected = true;
        summary.ioFailed = status == LineReader::Status::ReadError;
        return summary;
    }
    if (!ReadHeader(line, separator, columns, err)) {
        summary.headerRejected = true;
        return summary;
    }
    CaseRowWriter rows(output, separator);
    rows.Header();

    const ErrorFactorInputs defaults = DefaultCaseInputs();
    while ((status = reader.Next(line)) != LineReader::Status::End) {
        if (status == LineReader::Status::ReadError) {
            std::fprintf(err, "quintaro batch: the input could not be read after line %llu\n",
                         static_cast<unsigned long long>(reader.LineNumber()));
            summary.ioFailed = true;
            break;
        }
        if (status == LineReader::Status::TooLong) {
            Report(err, reader.LineNumber(),
                   ": longer than " + std::to_string(LineReader::kMaxLineLength) + " characters");
            ++summary.badRows;
            continue;
        }
        if (line.empty()) continue;
        ErrorFactorInputs inputs = defaults;
        if (!ReadCase(line, reader.LineNumber(), separator, columns, inputs, err)) {
            ++summary.badRows;
            continue;
        }
        rows.Row(inputs, ComputeErrorFactorBounds(inputs));
        ++summary.goodRows;
    }
    if (!output.Flush()) summary.ioFailed = true;
    return summary;
}
