#!/bin/bash
# Builds and runs the benchmarks under Wine and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="${BUILD_DIR:-$root/build}"
source scripts/configure.sh
tarnwick_configure_win32 "$build/win32"
cmake --build "$build/win32" --target scan_bench startup_bench bare_window
source scripts/session.sh
tarnwick_session_start "$build/win32/wineprefix"
exe="$build/win32/app/tarnwick.exe"
echo "tarnwick.exe: $(stat -c %s "$exe") bytes"
echo
"$build/win32/wine-run.sh" "$build/win32/bench/scan_bench.exe"
echo
# Wine maps drive Z: to the Unix root.
TARNWICK_EXE="Z:$exe" BARE_WINDOW_EXE="Z:$build/win32/bench/bare_window.exe" \
    "$build/win32/wine-run.sh" "$build/win32/bench/startup_bench.exe"
