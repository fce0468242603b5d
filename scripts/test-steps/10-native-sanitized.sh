#!/usr/bin/env bash
# Native build of the engine, the portable UI and their tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, halting on the first error.
set -euo pipefail
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUINTARO_SANITIZE=ON >/dev/null
cmake --build build/asan
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build/asan --output-on-failure -j2
