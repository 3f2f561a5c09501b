#!/usr/bin/env bash
# Builds both targets: the native unit tests (build/native) and the Windows
# program with its Wine-run tests (build/win32).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/native" -j"$jobs"
cmake -S "$root" -B "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$root/build/win32" -j"$jobs"
