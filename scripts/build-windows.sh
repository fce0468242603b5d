#!/usr/bin/env bash
# Cross-builds the Windows program with mingw-w64 into build/windows:
# build/windows/ui/win32/QUINTARO.EXE (stripped, statically linked, needs
# only DLLs that come with Windows; copy it anywhere and run it).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DQUINTARO_TESTS=OFF >/dev/null
cmake --build build/windows
