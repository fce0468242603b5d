#include "line_reader.h"

#include <cstring>

bool LineReader::Fill() {
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const std::size_t n = std::fread(buffer_ + end_, 1, sizeof buffer_ - end_, stream_);
    end_ += n;
    if (n == 0) {
        atEnd_ = true;
        readError_ = std::ferror(stream_) != 0;
        return false;
    }
    return true;
}

LineReader::Status LineReader::Next(std::string_view& line) {
    std::size_t scanned = begin_;
    for (;;) {
        const char* nl = static_cast<const char*>(std::memchr(buffer_ + scanned, '\n', end_ - scanned));
        if (nl != nullptr) {
            std::size_t length = static_cast<std::size_t>(nl - (buffer_ + begin_));
            const std::size_t next = begin_ + length + 1;
            if (length > 0 && buffer_[begin_ + length - 1] == '\r') --length;
            line = std::string_view(buffer_ + begin_, length);
            begin_ = next;
            ++lineNumber_;
            return Status::Line;
        }
        if (end_ - begin_ == sizeof buffer_) {
            // Longer than the buffer: drop it up to its newline.
            ++lineNumber_;
            for (;;) {
                begin_ = end_ = 0;
                if (!Fill()) return readError_ ? Status::ReadError : Status::TooLong;
                nl = static_cast<const char*>(std::memchr(buffer_, '\n', end_));
                if (nl != nullptr) {
                    begin_ = static_cast<std::size_t>(nl - buffer_) + 1;
                    return Status::TooLong;
                }
            }
        }
        const std::size_t alreadyScanned = end_ - begin_;  // Fill moves the data to the front
        if (!Fill()) {
            if (readError_) return Status::ReadError;
            if (begin_ == end_) return Status::End;
            // A last line without a newline.
            std::size_t length = end_ - begin_;
            if (buffer_[begin_ + length - 1] == '\r') --length;
            line = std::string_view(buffer_ + begin_, length);
            begin_ = end_;
            ++lineNumber_;
            return Status::Line;
        }
        scanned = begin_ + alreadyScanned;
    }
}
