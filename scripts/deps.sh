#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Does nothing (quickly) when they
# are all installed, so every other script can call it first.
set -euo pipefail

packages=(
    cmake ninja-build ccache g++ libgtest-dev clang clang-format
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    wine64 fonts-wine xvfb xauth xdotool imagemagick x11-utils python3
    nsis
    # Wine's 32-bit loader and DLLs: the 64-bit Wine hands every 32-bit program to them.
    wine32:i386
)

missing=()
while read -r name status; do
    [[ "$status" == "installed" ]] || missing+=("$name")
done < <(for p in "${packages[@]}"; do
    printf '%s %s\n' "$p" "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || echo absent)"
done)

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# The i386 packages need their architecture known to dpkg before apt can list them.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
