#!/bin/bash
# Installs, as root on Debian, every package that building and testing needs
# and that is not installed yet.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine32:i386 fonts-wine
    xvfb xauth x11-utils xdotool imagemagick
    fonts-liberation
    googletest
    clang libclang-rt-14-dev clang-format
    # Real ports read the response files Save writes; chattr makes a launch
    # file one that the system refuses to replace.
    chocolate-doom crispy-doom e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
