#!/usr/bin/env bash
# Builds Korvanta for the given architectures (default: i686, the shipped DLL).
# Usage: scripts/build.sh [--target NAME]... [i686] [x86_64]
#   --target  build only these targets (default: everything)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=()
while [ "${1:-}" = --target ]; do targets+=(--target "$2"); shift 2; done
[ $# -gt 0 ] || set -- i686
for arch in "$@"; do
  build="$root/build/$arch"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" >/dev/null
  fi
  cmake --build "$build" "${targets[@]}"
done
