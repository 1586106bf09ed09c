#!/usr/bin/env bash
# Installs, from Debian's packages, what the build, the tests and the program need.
# Idempotent: installs only what is missing. With --check it only reports (exit 1 when
# something is missing).
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    fp-utils
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 xvfb xauth socat
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${1:-}" = "--check" ]; then
    [ ${#missing[@]} -eq 0 ]
    exit
fi

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: everything is installed"
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root (apt-get is needed)" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
