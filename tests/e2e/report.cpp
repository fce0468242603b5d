#include "report.h"

#include <cstdio>

namespace {
int passed = 0;
int failed = 0;
}  // namespace

void Check(const std::string& name, bool ok, const std::string& detail) {
    if (ok) {
        ++passed;
        std::printf("PASS %s\n", name.c_str());
    } else {
        ++failed;
        std::printf("FAIL %s: %s\n", name.c_str(), detail.empty() ? "condition not met" : detail.c_str());
    }
    std::fflush(stdout);
}

void CheckEqual(const std::string& name, const std::string& actual, const std::string& expected) {
    Check(name, actual == expected, "got \"" + actual + "\", want \"" + expected + "\"");
}

void Note(const std::string& line) {
    std::printf("# %s\n", line.c_str());
    std::fflush(stdout);
}

int PrintSummary() {
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed;
}
