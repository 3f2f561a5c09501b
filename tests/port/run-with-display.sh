#!/usr/bin/env bash
# Runs a Windows test program that creates windows: under Wine, in a prefix
# of its own with the "shell" virtual desktop and the zh_CN locale (Chinese
# fonts), on the caller's X display or, without one, on an Xvfb started for
# this run and stopped afterwards.
#
#   tests/port/run-with-display.sh path/to/test.exe [args...]
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/e2e-env.sh"

prefix="$E2E_ROOT/build/wine/shell-prefix"
started_xvfb=0

finish() {
    # Wine's desktop process holds the display; end it before the display.
    if ((started_xvfb)); then
        e2e_stop_prefix "$prefix"
        e2e_stop_xvfb
    fi
}
trap 'rm -f "${log:-}"; finish' EXIT
trap 'exit 130' INT TERM

e2e_locale || exit 2
if [[ -z "${DISPLAY:-}" ]]; then
    e2e_start_xvfb 80 || exit 2
    started_xvfb=1
    # A server left from an earlier run would still talk to its old display.
    e2e_stop_prefix "$prefix"
fi

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if ! grep -q '"Desktop"="shell"' "$prefix/user.reg" 2>/dev/null; then
        echo "run-with-display: creating the Wine prefix $prefix (about 10 s)" >&2
        e2e_make_prefix "$prefix" || exit 2
    fi
) 9>"$prefix.lock" || exit 2

# Output through a file, as scripts/wine-run.sh does: Wine's session
# processes inherit it and would keep CTest's pipe open.
log=$(mktemp "${TMPDIR:-/tmp}/run-with-display.XXXXXX")
status=0
# A test stuck in a modal loop is ended rather than left waiting.
WINEPREFIX="$prefix" timeout "${SHELL_TEST_TIMEOUT:-120}" wine "$@" >"$log" 2>&1 </dev/null || status=$?
cat "$log"
rm -f "$log"
exit "$status"
