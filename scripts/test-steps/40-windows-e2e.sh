#!/usr/bin/env bash
# End-to-end tests of QUINTARO.EXE under Wine, on an Xvfb screen of its own:
# our driver (tests/e2e) starts the program, works its dialogs through the
# real dialog manager and reports PASS/FAIL lines. Any FAIL, a missing
# summary line or a driver that does not finish in time fails the step. The
# Wine server and the Xvfb are stopped however the step ends.
set -euo pipefail
cd "$(dirname "$0")/../.."

# The same build tree as step 30; ninja only relinks what changed.
timeout 900 bash scripts/build-windows.sh
exe=build/windows/ui/win32/QUINTARO.EXE
driver=build/windows/tests/e2e/quintaro_e2e.exe
for file in "$exe" "$driver" build/windows/tests/e2e/quintaro_e2e_probe.dll; do
    [ -f "$file" ] || { echo "missing $file" >&2; exit 1; }
done

# Never the developer's own screen: keyboard and mouse input is synthesised.
# A prefix of its own: the step ends with stopping its Wine server, which
# must not take a calculator started by scripts/run.sh with it, and two
# drivers in one prefix would answer each other's help requests.
export QUINTARO_WINEPREFIX=${QUINTARO_WINEPREFIX:-$HOME/.cache/quintaro/wineprefix-e2e}
unset DISPLAY
source scripts/wine-env.sh

log=$(mktemp)
trap 'wine_env_cleanup; rm -f "$log"' EXIT
status=0
# Inside a Wine virtual desktop: Wine draws the window frames itself there,
# and hiding a window does not wait for a window manager that Xvfb lacks
# (about 2 s per closed window otherwise). The driver's output still comes
# through; its exit status does not, so the PASS/FAIL lines decide.
timeout -k 10 600 wine explorer /desktop=quintaro-e2e,1024x768 "$driver" "$(winepath -w "$PWD/$exe")" 2>/dev/null \
    | tr -d '\r' | tee "$log" || status=$?

if grep -q '^FAIL' "$log"; then
    echo "end-to-end: $(grep -c '^FAIL' "$log") case(s) failed" >&2
    exit 1
fi
if ! grep -Eq '^[0-9]+ passed, 0 failed$' "$log"; then
    echo "end-to-end: the driver did not finish (status $status)" >&2
    exit 1
fi
