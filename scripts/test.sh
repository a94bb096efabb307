#!/bin/bash
# The test command: installs what is missing, builds the Windows program and
# its tests (mingw-w64, i686) and the native sanitizer build of the launch
# logic, then runs every test but the fuzzers' exploration, two at a time;
# Windows tests run under Wine on a virtual display. Ends on ctest's summary.
# CTEST_ARGS="-L explore" runs the exploration instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="${BUILD_DIR:-$root/build}"

if [ "$(id -u)" = 0 ]; then
    bash scripts/install-deps.sh
fi

source scripts/configure.sh
source scripts/session.sh
tarnwick_configure_win32 "$build/win32"
# The Wine prefix that the tests' prefixes are copied from is made while the
# programs build.
tarnwick_fresh_prefix "$build/win32/wineprefix-fresh" &
fresh=$!
cmake --build "$build/win32"
tarnwick_configure_native "$build/native"
cmake --build "$build/native"
wait "$fresh"

# One ctest run over both builds, so that one summary counts every test.
printf 'subdirs("native")\nsubdirs("win32")\n' >"$build/CTestTestfile.cmake"

tarnwick_session_start "$build/win32/wineprefix"
cd "$build"
# Tests that show windows take turns on the one display (a resource lock);
# the others run beside them. Every test has its own time limit; --timeout is
# the limit of any test registered without one.
labels=(-LE explore)
case " ${CTEST_ARGS:-} " in *" -L "* | *" --label-regex "*) labels=() ;; esac
ctest --output-on-failure -j2 --timeout 300 "${labels[@]}" ${CTEST_ARGS:-}
