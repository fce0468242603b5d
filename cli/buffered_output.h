// A fixed-size output buffer over a C stream: rows are formatted in place
// and written in large blocks, so memory stays the same whatever the output.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

class BufferedOutput {
public:
    explicit BufferedOutput(std::FILE* stream) : stream_(stream) {}
    ~BufferedOutput() { Flush(); }
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    // Room for at least n characters (n <= kCapacity); write them, then Commit.
    char* Reserve(std::size_t n) {
        if (kCapacity - used_ < n) Flush();
        return buffer_ + used_;
    }
    void Commit(char* end) { used_ = static_cast<std::size_t>(end - buffer_); }

    void Write(std::string_view text);
    // False once any write to the stream has failed.
    bool Flush();
    bool Failed() const { return failed_; }

    static constexpr std::size_t kCapacity = 1 << 16;

private:
    std::FILE* stream_;
    std::size_t used_ = 0;
    bool failed_ = false;
    char buffer_[kCapacity];
};
