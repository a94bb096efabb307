#!/bin/bash
# Sourced by the scripts that build: the one place where the two builds are
# configured.
#   tarnwick_configure_win32 BUILD_DIR   the Windows program, its tests and
#                                        benchmarks (mingw-w64, i686, release)
#   tarnwick_configure_native BUILD_DIR  the platform-free launch logic with
#                                        clang and the sanitizers

tarnwick_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

tarnwick_configure_win32() {
    cmake -S "$tarnwick_source_dir" -B "$1" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$tarnwick_source_dir/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
}

tarnwick_configure_native() {
    cmake -S "$tarnwick_source_dir" -B "$1" -G Ninja -DTARNWICK_NATIVE=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}
