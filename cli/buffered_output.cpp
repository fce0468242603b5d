#include "buffered_output.h"

#include <cstring>

void BufferedOutput::Write(std::string_view text) {
    while (!text.empty()) {
        const std::size_t n = text.size() < kCapacity ? text.size() : kCapacity;
        char* p = Reserve(n);
        std::memcpy(p, text.data(), n);
        Commit(p + n);
        text.remove_prefix(n);
    }
}

bool BufferedOutput::Flush() {
    if (used_ > 0 && std::fwrite(buffer_, 1, used_, stream_) != used_) failed_ = true;
    used_ = 0;
    if (std::fflush(stream_) != 0) failed_ = true;
    return !failed_;
}
