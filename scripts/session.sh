#!/bin/bash
# Sourced by the scripts that run Windows programs: a virtual display (unless
# one is given) and one persistent wineserver for the given prefix, both
# stopped when the calling script exits.
#   tarnwick_session_start PREFIX
# Also the one place where a prefix is made (tarnwick_fresh_prefix, copied for
# each prefix) and made ready (tarnwick_prefix_prepare), the main one and those
# of the other systems' locales (locale-prefix.sh).

# Without a UTF-8 locale (none set, as in a minimal Debian image) Wine cannot
# make or open files whose names hold letters beyond ASCII. C.UTF-8 is always
# there; a locale that is set is kept, since it chooses the code pages.
tarnwick_wine_locale() {
    case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
        "" | C | POSIX) export LC_ALL=C.UTF-8 ;;
    esac
}

tarnwick_session_stop() {
    if [ -n "${TARNWICK_WINEPREFIX:-}" ]; then
        local prefix
        # The other locales' prefixes too, should a test run have been cut
        # short before it ended their wineservers.
        for prefix in "$TARNWICK_WINEPREFIX" "$TARNWICK_WINEPREFIX"-*; do
            [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
        done
    fi
    if [ -n "${TARNWICK_XVFB_PID:-}" ]; then
        kill "$TARNWICK_XVFB_PID" 2>/dev/null || true
        wait "$TARNWICK_XVFB_PID" 2>/dev/null || true
    fi
}

# The new prefix that the others are copied from, FRESH, made once by
# wineboot (about 10 s; a copy takes about 1 s). Made without a display, so
# that it shows none of Wine's windows, and without window metrics: those are
# measured in the fonts of the locale that a copy first runs in, as its code
# pages and font substitutes are. Safe to call from several processes at once.
tarnwick_fresh_prefix() {
    local fresh=$1
    [ -f "$fresh/system.reg" ] && return 0
    (
        flock 9
        [ -f "$fresh/system.reg" ] && exit 0
        echo "Creating the 32-bit Wine prefix in $fresh"
        tarnwick_wine_locale
        export WINEPREFIX="$fresh.making" WINEARCH=win32 WINEDEBUG=-all
        export WINEDLLOVERRIDES="mscoree,mshtml="
        rm -rf "$WINEPREFIX"
        env -u DISPLAY wineboot -i </dev/null >/dev/null 2>&1
        env -u DISPLAY wine reg delete 'HKCU\Control Panel\Desktop\WindowMetrics' /f \
            </dev/null >/dev/null 2>&1 || true
        wineserver -w
        mv "$WINEPREFIX" "$fresh"
    ) 9>"$fresh.lock"
}

# Creates the prefix WINEPREFIX when it is missing, as a copy of the build
# tree's new one, and gives it what the tests and screenshots need; starts its
# wineserver, persistent, and Wine's background services. Extra font files of
# Wine's own may follow.
tarnwick_prefix_prepare() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        local fresh
        fresh="$(dirname "$WINEPREFIX")/wineprefix-fresh"
        tarnwick_fresh_prefix "$fresh"
        rm -rf "$WINEPREFIX"
        cp -a "$fresh" "$WINEPREFIX"
    fi
    # Detached from our output, as the services below.
    wineserver -p </dev/null >/dev/null 2>&1
    # Wine's own "MS Sans Serif" (the 96-dpi and the 120-dpi sizes) and
    # Marlett, as Windows has them: without them the host's wider fonts cut
    # labels short and caption buttons show as letters. Wine does not look for
    # them where Debian puts them.
    local font
    for font in sserife.fon sseriff.fon marlett.ttf "$@"; do
        if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/$font" ]; then
            cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
    done
    # Without a window manager on the virtual display, Wine waits about two
    # seconds for every shown window that is hidden or destroyed, unless its
    # windows are unmanaged.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
    # A program that crashes ends at once, its backtrace on the error output,
    # instead of waiting for a click in Wine's crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >/dev/null 2>&1 || true
    # Start Wine's background services now, detached from our output: started
    # by a test, they would inherit ctest's pipe and keep it waiting.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

tarnwick_session_start() {
    export TARNWICK_WINEPREFIX="$1"
    export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    tarnwick_wine_locale
    trap tarnwick_session_stop EXIT

    if [ -z "${DISPLAY:-}" ] || [ "${TARNWICK_OWN_DISPLAY:-0}" = 1 ]; then
        # Xvfb picks a free display number and reports it on the descriptor.
        local fifo
        fifo=$(mktemp -u)
        mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$fifo" &
        TARNWICK_XVFB_PID=$!
        local number
        read -r number <"$fifo"
        rm -f "$fifo"
        export DISPLAY=":$number"
    fi

    tarnwick_prefix_prepare
}
