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

cmake -S . -B "$build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win32"

cmake -S . -B "$build/native" -G Ninja -DTARNWICK_NATIVE=ON -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native"

# One ctest run over both builds, so that one summary counts every test.
printf 'subdirs("native")\nsubdirs("win32")\n' >"$build/CTestTestfile.cmake"

source scripts/session.sh
tarnwick_session_start "$build/win32/wineprefix"
cd "$build"
ctest --output-on-failure ${CTEST_ARGS:-}
