#!/usr/bin/env bash
# Benchmark, not a test: launch-to-visible-dialog time of QUINTARO.EXE beside
# a minimal Win32 dialog program of our own (tests/e2e/minimal_dialog.cpp),
# started alternately by the e2e driver in one Wine session, so that Wine's
# own process start-up cost is in both. Prints both medians and their ratio
# (aim: 1.2 or less). Usage: scripts/bench-startup.sh [repetitions, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-15}

timeout 900 bash scripts/build-windows.sh
build=build/windows
# A prefix of its own: the step ends with stopping its Wine server, which
# must not take a calculator started by scripts/run.sh with it, and two
# drivers in one prefix would answer each other's help requests.
export QUINTARO_WINEPREFIX=${QUINTARO_WINEPREFIX:-$HOME/.cache/quintaro/wineprefix-e2e}
unset DISPLAY
source scripts/wine-env.sh
trap wine_env_cleanup EXIT

# In a Wine virtual desktop, as the end-to-end tests run: closing a window
# there does not wait for a window manager that Xvfb lacks.
timeout -k 10 300 wine explorer /desktop=quintaro-bench,1024x768 "$build/tests/e2e/quintaro_e2e.exe" --bench "$repetitions" \
    "$(winepath -w "$PWD/$build/ui/win32/QUINTARO.EXE")" \
    "$(winepath -w "$PWD/$build/tests/e2e/minimal_dialog.exe")" 2>/dev/null
