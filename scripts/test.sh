#!/bin/bash
# The test command: installs what is missing, builds the Windows program and
# its tests (mingw-w64, i686) and the native sanitizer build of the launch
# logic, then runs every test; Windows tests run under Wine on a virtual
# display. Ends on ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="${BUILD_DIR:-$root/build}"

if [ "$(id -u)" = 0 ]; then
    bash scripts/install-deps.sh
fi

source scripts/configure.sh
tarnwick_configure_win32 "$build/win32"
cmake --build "$build/win32"
tarnwick_configure_native "$build/native"
cmake --build "$build/native"

# One ctest run over both builds, so that one summary counts every test.
printf 'subdirs("native")\nsubdirs("win32")\n' >"$build/CTestTestfile.cmake"

source scripts/session.sh
tarnwick_session_start "$build/win32/wineprefix"
cd "$build"
ctest --output-on-failure ${CTEST_ARGS:-}
