// Reads a C stream line by line through one fixed buffer, so a run of any
// length keeps the same memory. A line longer than the buffer is not
// returned: it is skipped and reported as too long.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

class LineReader {
public:
    enum class Status { Line, TooLong, End, ReadError };

    explicit LineReader(std::FILE* stream) : stream_(stream) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its "\n" or "\r\n". The view lives until the
    // next call. LineNumber() counts from 1 and includes skipped lines.
    Status Next(std::string_view& line);
    std::uint64_t LineNumber() const { return lineNumber_; }

    static constexpr std::size_t kMaxLineLength = 1 << 16;

private:
    bool Fill();  // false at the end of the stream or on a read error

    std::FILE* stream_;
    std::size_t begin_ = 0, end_ = 0;
    std::uint64_t lineNumber_ = 0;
    bool atEnd_ = false;
    bool readError_ = false;
    char buffer_[kMaxLineLength + 1];
};
