#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix. CTest uses it
# as the cross-compiling emulator: wine-run.sh path/to/test.exe [args...]
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo/build/wine/port-prefix}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"

# A UTF-8 locale, Chinese when the machine has one.
pick_locale() {
    local available
    available="$(locale -a 2>/dev/null || true)"
    for name in zh_CN.utf8 zh_CN.UTF-8 C.utf8 C.UTF-8; do
        if grep -qx "$name" <<<"$available"; then
            echo "$name"
            return
        fi
    done
    echo C.UTF-8
}
locale_name="$(pick_locale)"
export LANG="$locale_name" LC_ALL="$locale_name"

# Create the prefix once; several runs may start at the same moment.
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
            timeout 300 wineboot -i >/dev/null 2>&1 || echo "wine-run: wineboot did not finish" >&2
            timeout 60 wineserver -w || true
        fi
    ) 9>"$WINEPREFIX.lock"
fi

# The output goes through a file, not straight to our caller: Wine's session
# processes (services.exe, explorer.exe...) inherit the first program's output
# and outlive it, and a caller reading a pipe, as CTest does, would wait for
# them to end, seconds later.
log="$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")"
trap 'rm -f "$log"' EXIT
status=0
# A test that hangs is ended rather than holding up the whole run.
timeout "${WINE_RUN_TIMEOUT:-900}" wine "$@" >"$log" 2>&1 </dev/null || status=$?
cat "$log"
exit "$status"
