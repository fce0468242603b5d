#!/usr/bin/env bash
# Takes docs/main-dialog.png (after a calculation) and docs/about-box.png:
# the driver poses QUINTARO.EXE in a Wine virtual desktop (where Wine draws
# the window frames itself), writes the posed window's rectangle, and the
# screen is grabbed with ImageMagick and cropped to it.
# Usage: tests/e2e/take-screenshots.sh [QUINTARO.EXE] (default: the build's;
# QUINTARO_BUILD_DIR names another build tree than build/windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QUINTARO_BUILD_DIR:-build/windows}
[ -f "$build/tests/e2e/quintaro_e2e.exe" ] || timeout 900 bash scripts/build-windows.sh
exe=${1:-$build/ui/win32/QUINTARO.EXE}
driver=$build/tests/e2e/quintaro_e2e.exe

unset DISPLAY
source scripts/wine-env.sh
work=$(mktemp -d)
trap 'wine_env_cleanup; rm -rf "$work"' EXIT
mkdir -p docs

shoot() {
    local pose=$1 output=$2
    rm -f "$work/rect" "$work/done"
    wine explorer /desktop=quintaro-shots,1024x768 "$driver" --pose "$pose" "$(winepath -w "$(realpath "$exe")")" \
        "$(winepath -w "$work/rect")" "$(winepath -w "$work/done")" >/dev/null 2>&1 &
    local posing=$!
    # The driver writes the rectangle once the window is posed and painted.
    timeout 60 bash -c "until [ -s '$work/rect' ]; do sleep 0.1; done"
    read -r left top width height <"$work/rect"
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$output"
    touch "$work/done"
    timeout 30 tail --pid="$posing" -f /dev/null || kill "$posing"
    echo "$output: ${width}x${height}"
}

shoot main docs/main-dialog.png
shoot about docs/about-box.png
