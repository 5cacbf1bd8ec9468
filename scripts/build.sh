#!/usr/bin/env bash
# Builds Korvanta for the given architectures (default: i686, the shipped DLL).
# Usage: scripts/build.sh [i686] [x86_64]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -gt 0 ] || set -- i686
for arch in "$@"; do
  build="$root/build/$arch"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" >/dev/null
  fi
  cmake --build "$build"
done
