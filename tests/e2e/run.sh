#!/usr/bin/env bash
# End-to-end tests: the real Vantrel.exe in a fresh copy of one Wine prefix per
# case, under Xvfb, driven by real key presses and observed through files,
# window texts (tools/inspect.exe) and screenshots.
#
#   tests/e2e/run.sh [path/to/Vantrel.exe] [folder with probe.exe and inspect.exe]
#
# Build first (MinGW cross build, targets Vantrel, e2e_probe, e2e_inspect).
# E2E_ONLY="<case> ..." runs only those cases.
# Prints "PASS name" / "FAIL name: reason" per case, "SKIPPED name: what" per
# fault this machine cannot stage (a failure when run as root), then
# "N passed, M failed, K skipped".
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../../scripts/e2e-env.sh"
source "$HERE/lib.sh"

BUILD="$E2E_ROOT/build/win32"
VANTREL_EXE=${1:-${VANTREL_EXE:-$(find "$BUILD" -name Vantrel.exe -type f 2>/dev/null | head -n1)}}
TOOLS=${2:-${E2E_TOOLS:-$(dirname "$(find "$BUILD" -name inspect.exe -type f 2>/dev/null | head -n1)")}}
INSPECT="$TOOLS/inspect.exe"
PROBE="$TOOLS/probe.exe"
TRAY_TOOL="$TOOLS/tray.exe"
HOLD_TOOL="$TOOLS/hold.exe"
WINDOW_TOOL="$TOOLS/window.exe"
for f in "$VANTREL_EXE" "$INSPECT" "$PROBE" "$TRAY_TOOL" "$HOLD_TOOL" "$WINDOW_TOOL"; do
    if [[ ! -f "$f" ]]; then
        echo "e2e: missing ${f:-Vantrel.exe}; build the win32 targets first" >&2
        echo "0 passed, 1 failed, 0 skipped"
        exit 2
    fi
done

E2E_DIR="$E2E_ROOT/build/e2e"
TEMPLATE="$E2E_DIR/template"
SHOTS="$E2E_DIR/shots"
mkdir -p "$SHOTS" "$E2E_DIR/work" "$E2E_DIR/prefixes"

cleanup() {
    e2e_case_teardown
    rm -rf "$TEMPLATE"
    e2e_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

e2e_locale || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }
e2e_start_xvfb 70 || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }
e2e_make_prefix "$TEMPLATE" || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }

for case_file in "$HERE"/cases/*.sh; do
    # shellcheck source=/dev/null
    source "$case_file"
done

PASSED=0
FAILED=0
SKIPPED=0
for name in "${E2E_CASES[@]}"; do
    # E2E_ONLY="name ..." runs only those cases.
    [[ -n "${E2E_ONLY:-}" && " $E2E_ONLY " != *" $name "* ]] && continue
    FAIL_REASON=
    TOOL_ERRORS=/dev/null
    if e2e_case_setup "$name" && "case_$name" && [[ -z "$FAIL_REASON" ]] &&
        { [[ ! -s $TOOL_ERRORS ]] || fail "a tool failed: $(head -n1 "$TOOL_ERRORS")"; }; then
        echo "PASS $name"
        PASSED=$((PASSED + 1))
    else
        echo "FAIL $name: ${FAIL_REASON:-setup failed}"
        FAILED=$((FAILED + 1))
        e2e_shot fail
    fi
    e2e_case_teardown
done

echo "$PASSED passed, $FAILED failed, $SKIPPED skipped"
((FAILED == 0))
