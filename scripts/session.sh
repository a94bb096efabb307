#!/bin/bash
# Sourced by the scripts that run Windows programs: a virtual display (unless
# one is given) and one persistent wineserver for the given prefix, both
# stopped when the calling script exits.
#   tarnwick_session_start PREFIX

tarnwick_session_stop() {
    if [ -n "${TARNWICK_WINEPREFIX:-}" ]; then
        WINEPREFIX="$TARNWICK_WINEPREFIX" wineserver -k 2>/dev/null || true
    fi
    if [ -n "${TARNWICK_XVFB_PID:-}" ]; then
        kill "$TARNWICK_XVFB_PID" 2>/dev/null || true
        wait "$TARNWICK_XVFB_PID" 2>/dev/null || true
    fi
}

tarnwick_session_start() {
    export TARNWICK_WINEPREFIX="$1"
    export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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

    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the 32-bit Wine prefix in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    wineserver -p
    # Wine's own "MS Sans Serif" (the 96-dpi and the 120-dpi sizes) and
    # Marlett, as Windows has them: without them the host's wider fonts cut
    # labels short and caption buttons show as letters. Wine does not look for
    # them where Debian puts them.
    local font
    for font in sserife.fon sseriff.fon marlett.ttf; do
        if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/$font" ]; then
            cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
    done
    # Without a window manager on the virtual display, Wine waits about two
    # seconds for every shown window that is hidden or destroyed, unless its
    # windows are unmanaged.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
    # Start Wine's background services now, detached from our output: started
    # by a test, they would inherit ctest's pipe and keep it waiting.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
