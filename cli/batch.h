// The batch command's core: cases in as CSV, one output row per case out,
// streamed through fixed buffers.
#pragma once

#include <cstdint>
#include <cstdio>

struct BatchSummary {
    std::uint64_t goodRows = 0;
    std::uint64_t badRows = 0;
    bool headerRejected = false;  // nothing was computed
    bool ioFailed = false;        // reading the input or writing the output failed
};

// Reads the header and the cases from in, writes the header and one row per
// good case to out, and one message per bad line to err (prefixed with
// "quintaro batch: "). Empty lines are passed over.
BatchSummary RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, char separator);
