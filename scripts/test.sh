#!/usr/bin/env bash
# Sets up, builds and runs every test: native unit tests, a short run of each
# fuzz target (scripts/fuzz.sh), the Win32 port's tests under Wine, and the
# end-to-end tests of the real Vantrel.exe under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
# The exe, the portable zip and the installer the install cases run.
PACKAGE_NO_BUILD=1 bash "$root/scripts/package.sh"
status=0
echo "== unit tests (native)"
(cd "$root/build/native" && ctest --output-on-failure -j2) || status=1
echo "== benchmark: a 10 MiB Custom.dll (figures only)"
"$root/build/native/tests/monitor_bench" || status=1
echo "== fuzzing (8 s per target)"
bash "$root/scripts/fuzz.sh" 8 || status=1
echo "== port tests (Wine)"
(cd "$root/build/win32" && ctest --output-on-failure) || status=1
echo "== end-to-end tests (Wine, Xvfb)"
bash "$root/tests/e2e/run.sh" || status=1
exit $status
