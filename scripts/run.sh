#!/bin/bash
# Builds the launcher and starts it under Wine in the current folder, on the
# current display. As root it first installs whatever is missing. Without a
# display it starts a virtual one, waits until the main window is up, saves a
# screenshot of it (SCREENSHOT=file.png chooses where), says where, and ends
# the launcher.
set -euo pipefail
here=$(pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD_DIR:-$root/build}"

if [ "$(id -u)" = 0 ]; then
    bash "$root/scripts/install-deps.sh"
fi

source "$root/scripts/configure.sh"
tarnwick_configure_win32 "$build/win32"
cmake --build "$build/win32" --target tarnwick
exe="$build/win32/app/tarnwick.exe"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
source "$root/scripts/session.sh"
tarnwick_session_start "$build/win32/wineprefix"
cd "$here"

if [ "$headless" = 0 ]; then
    wine "$exe"
    exit 0
fi

wine "$exe" &
launcher=$!
window=
for _ in $(seq 1 120); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tarnwick Pro"/ { print $1; exit }')
    [ -n "$window" ] && break
    kill -0 "$launcher" 2>/dev/null || { echo "The launcher ended before its window appeared" >&2; exit 1; }
    sleep 0.5
done
if [ -z "$window" ]; then
    echo "The main window did not appear" >&2
    exit 1
fi
sleep 2 # let it paint
shot="${SCREENSHOT:-$here/tarnwick.png}"
# Taken from the screen, not from the window, so that a dialog shown over the
# main window (Directory Setup when DOOMWADDIR is unset) is in the picture.
geometry=$(xwininfo -id "$window" | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { printf "%dx%d+%d+%d", w, h, x, y }')
import -display "$DISPLAY" -window root -crop "$geometry" +repage "$shot"
echo "The main window is up; screenshot saved to $shot"
kill "$launcher" 2>/dev/null || true
