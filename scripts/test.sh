#!/usr/bin/env bash
# Sets up, builds and runs every test: native unit tests, a short run of each
# fuzz target (scripts/fuzz.sh), the Win32 port's tests under Wine, and the
# end-to-end tests of the real Vantrel.exe under Wine and Xvfb. About 13
# minutes on a clean 2-core machine (each phase prints its seconds).
#
# The fuzzing (native, one process) runs beside the port tests (Wine, one
# test at a time); its report follows theirs. The end-to-end cases run last,
# with nothing beside them but their own two streams (tests/e2e/run.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
started=$SECONDS
phase_start=$SECONDS
phase_end() {
    echo "-- $1: $((SECONDS - phase_start)) s"
    phase_start=$SECONDS
}

bash "$root/scripts/setup.sh"
phase_end "set-up"
bash "$root/scripts/build.sh"
# The exe, the portable zip and the installer the install cases run.
PACKAGE_NO_BUILD=1 bash "$root/scripts/package.sh"
phase_end "build and packages"

echo "== unit tests (native)"
(cd "$root/build/native" && ctest --output-on-failure -j2) || status=1
echo "== benchmark: a 10 MiB Custom.dll (figures only)"
"$root/build/native/tests/monitor_bench" || status=1
phase_end "unit tests and benchmark"

echo "== port tests (Wine), beside fuzzing (8 s per target)"
fuzz_log="$root/build/fuzz.log"
mkdir -p "$root/build"
bash "$root/scripts/fuzz.sh" 8 >"$fuzz_log" 2>&1 &
fuzz_pid=$!
trap 'kill "$fuzz_pid" 2>/dev/null || true' EXIT
(cd "$root/build/win32" && ctest --output-on-failure) || status=1
fuzz_status=0
wait "$fuzz_pid" || fuzz_status=$?
echo "== fuzzing (8 s per target)"
cat "$fuzz_log"
((fuzz_status == 0)) || status=1
trap - EXIT
phase_end "port tests and fuzzing"

echo "== end-to-end tests (Wine, Xvfb)"
bash "$root/tests/e2e/run.sh" || status=1
phase_end "end-to-end tests"
echo "== all tests: $((SECONDS - started)) s, $( ((status == 0)) && echo passed || echo FAILED)"
exit $status
