#include "csv_line.h"

CsvSplit SplitCsvLine(std::string_view line, char separator, std::string_view* fields, std::size_t maxFields) {
    CsvSplit result;
    std::size_t i = 0;
    for (;;) {
        const std::size_t column = result.fieldCount + 1;
        std::string_view field;
        if (i < line.size() && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                result.status = CsvSplit::Status::UnterminatedQuote;
                result.badColumn = column;
                return result;
            }
            field = line.substr(i + 1, close - i - 1);
            i = close + 1;
            if (i < line.size() && line[i] != separator) {
                result.status = CsvSplit::Status::TextAfterQuote;
                result.badColumn = column;
                return result;
            }
        } else {
            // A plain loop: fields are short, a library search costs more per call.
            std::size_t end = i;
            while (end < line.size() && line[end] != separator) ++end;
            field = line.substr(i, end - i);
            i = end;
        }
        if (result.fieldCount < maxFields) fields[result.fieldCount] = field;
        ++result.fieldCount;
        if (i >= line.size()) return result;
        ++i;  // past the separator
    }
}
