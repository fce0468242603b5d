# Sourced, not run: sets up Wine for QUINTARO.EXE and its tests.
#
#   source scripts/wine-env.sh
#   wine_run build/windows/ui/win32/QUINTARO.EXE    # waits for the program
#   wine_stop                                        # ends the prefix's wineserver
#
# Exports WINEPREFIX (a 64-bit prefix of the project's own, booted on first
# use; QUINTARO_WINEPREFIX overrides it), WINEARCH, WINEDEBUG and DISPLAY.
# When no DISPLAY is set it starts Xvfb on a free display; wine_env_cleanup
# (also installed as an EXIT trap when nobody else set one) stops that
# server again. QUINTARO_WINE_SCREEN sets its size (default 1024x768x24).

export WINEARCH=win64
export WINEDEBUG=-all
export WINEPREFIX="${QUINTARO_WINEPREFIX:-$HOME/.cache/quintaro/wineprefix}"
QUINTARO_XVFB_PID=""

# Starts Xvfb on the first free display; Xvfb itself writes the display
# number it chose once it accepts connections, so there is nothing to poll.
wine_start_xvfb() {
    local fifo display
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/quintaro-xvfb.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${QUINTARO_WINE_SCREEN:-1024x768x24}" -nolisten tcp \
        3>"$fifo" >/dev/null 2>&1 &
    QUINTARO_XVFB_PID=$!
    read -r display <"$fifo"
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "wine-env: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

# Stops the wineserver of our prefix and the Xvfb that this shell started
# (never a display that was there before).
wine_env_cleanup() {
    wine_stop
    if [ -n "$QUINTARO_XVFB_PID" ]; then
        kill "$QUINTARO_XVFB_PID" 2>/dev/null || true
        wait "$QUINTARO_XVFB_PID" 2>/dev/null || true
        QUINTARO_XVFB_PID=""
    fi
}

# Debian's Wine does not find the fonts of its own data directory (the
# fonts-wine package): without them "MS Sans Serif" falls back to a wider
# font that cuts the dialog's labels, and the caption buttons lose their
# Marlett glyphs. Linked into the prefix's Fonts folder, Wine loads them.
wine_link_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
    for font in /usr/share/wine/fonts/*; do
        [ -e "$fonts/$(basename "$font")" ] || ln -s "$font" "$fonts/"
    done
}

# Boots the prefix once. A lock keeps two shells that start together from
# booting the same prefix at the same time. Mono and Gecko are left out:
# the program needs neither, and their installers would ask.
wine_boot_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            echo "wine-env: booting a new Wine prefix in $WINEPREFIX" >&2
            WINEDLLOVERRIDES="mscoree=;mshtml=" wineboot -i >/dev/null 2>&1
            wineserver -w
        fi
        wine_link_fonts
    ) 9>"$WINEPREFIX.lock"
}

# Runs a Windows program and waits for it; its exit status is returned.
wine_run() {
    wine "$@"
}

# Waits until every program of the prefix has ended.
wine_wait() {
    wineserver -w 2>/dev/null || true
}

# Ends every program of the prefix at once.
wine_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

if [ -z "${DISPLAY:-}" ]; then
    wine_start_xvfb || return 1
    if [ -z "$(trap -p EXIT)" ]; then
        trap wine_env_cleanup EXIT
    fi
fi
wine_boot_prefix
