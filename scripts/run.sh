#!/usr/bin/env bash
# Installs what is needed, cross-builds QUINTARO.EXE and starts it under Wine
# (a prefix of the project's own, booted on first use). Without a DISPLAY
# the program runs on a virtual Xvfb screen that nobody can see; the script
# then still waits until the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build-windows.sh
had_display=${DISPLAY:-}
source scripts/wine-env.sh
if [ -z "$had_display" ]; then
    echo "No DISPLAY: QUINTARO runs on the virtual screen $DISPLAY (Xvfb), which is not visible." >&2
    echo "Stop it with Ctrl+C, or see it with e.g.: DISPLAY=$DISPLAY import -window root shot.png" >&2
fi
status=0
wine_run build/windows/ui/win32/QUINTARO.EXE || status=$?
wine_wait
exit $status
