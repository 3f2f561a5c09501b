#!/usr/bin/env bash
# Builds both targets: the native unit tests (build/native) and the Windows
# program with its Wine-run tests (build/win32). The two builds run side by
# side, so one's linking and the other's compiling share the cores; the
# native build's output follows the Windows one's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
mkdir -p "$root/build"
native_log="$root/build/native-build.log"
(
    cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null &&
        cmake --build "$root/build/native" -j"$jobs"
) >"$native_log" 2>&1 &
native_pid=$!
trap 'kill "$native_pid" 2>/dev/null || true' EXIT
win32_status=0
{
    cmake -S "$root" -B "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null &&
        cmake --build "$root/build/win32" -j"$jobs"
} || win32_status=$?
native_status=0
wait "$native_pid" || native_status=$?
trap - EXIT
echo "== native build"
cat "$native_log"
((native_status == 0)) || { echo "build.sh: the native build failed" >&2; exit 1; }
((win32_status == 0)) || { echo "build.sh: the Windows build failed" >&2; exit 1; }
