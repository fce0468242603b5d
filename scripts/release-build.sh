#!/usr/bin/env bash
# The optimised native tree (benchmarks and command-line tools): build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_TESTS=OFF -DQUINTARO_BENCHMARKS=ON >/dev/null
cmake --build build/release
