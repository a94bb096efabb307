#!/bin/bash
# Installs, as root on Debian, every package that building and testing needs
# and that is not installed yet. No version of one Debian release is named:
# the sanitizers' runtime is the one of the clang that is installed.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine32:i386 fonts-wine
    xvfb xauth x11-utils xdotool xclip imagemagick
    fonts-liberation
    googletest
    clang clang-format
    # Real ports read the response files Save writes and take the arguments
    # Run gives them, with Freedoom's IWADs; chattr makes a launch file one
    # that the system refuses to replace.
    chocolate-doom crispy-doom woof-doom dsda-doom freedoom e2fsprogs
    # Other systems' locales for the tests' prefixes (generated into the build
    # tree), and fonts with Japanese and Chinese characters for them.
    locales fonts-ipafont-gothic fonts-wqy-microhei
)

updated=0
install_missing() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
        updated=0
    fi
    if [ "$updated" = 0 ]; then
        apt-get update -qq
        updated=1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
clang_major=$(clang -dumpversion | cut -d. -f1)
install_missing "libclang-rt-$clang_major-dev"
