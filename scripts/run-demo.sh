#!/usr/bin/env bash
# Runs Vantrel.exe under Wine in a demo program folder (build/demo/app) whose
# Custom.dll binds F5 to a Chinese demo document.
#
#   scripts/run-demo.sh [path/to/Vantrel.exe]
#
# Build first; this script builds nothing. With DISPLAY set the program runs
# in the foreground inside Wine's virtual desktop until it ends. Without a
# display it starts Xvfb, holds F12 so the window shows, saves
# build/demo/screenshot.png, prints its path and stops everything it started.
set -euo pipefail

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/e2e-env.sh"

EXE=${1:-$(find "$E2E_ROOT/build/win32" -name Vantrel.exe -type f 2>/dev/null | head -n1 || true)}
if [[ -z "$EXE" || ! -f "$EXE" ]]; then
    echo "run-demo: Vantrel.exe not found (${EXE:-build/win32}); build it first or pass its path" >&2
    exit 2
fi

DEMO="$E2E_ROOT/build/demo"
APP="$DEMO/app"
PREFIX="$DEMO/prefix"
SHOT="$DEMO/screenshot.png"
HEADLESS=0
[[ -z "${DISPLAY:-}" ]] && HEADLESS=1

WINE_PID=
cleanup() {
    e2e_stop_prefix "$PREFIX"
    if [[ -n "$WINE_PID" ]]; then
        kill "$WINE_PID" 2>/dev/null || true
        wait "$WINE_PID" 2>/dev/null || true
    fi
    e2e_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The program folder: the exe, a GBK document and the key table.
mkdir -p "$APP"
cp "$EXE" "$APP/Vantrel.exe"
printf '%s\n' "Vantrel 演示文档" "按住 F5 打开本文档。" "按住 F12 显示主窗口。" |
    e2e_to_gbk_crlf >"$APP/demo.txt"
printf '%s\n' "F5   $(winepath_of "$APP/demo.txt")" | e2e_to_gbk_crlf >"$APP/Custom.dll"
# A voice add-on of our own, switched on: letters and digits are spoken.
rm -rf "$APP/tools/yy"
bash "$E2E_ROOT/scripts/make-voice-addon.sh" "$APP/tools/yy" >/dev/null
printf '1\r\n' >"$APP/tools/yy/set1.dll"

e2e_locale
if ((HEADLESS)); then
    e2e_start_xvfb 70
fi

# The demo's own prefix, made once like the test template and kept.
if ! grep -q '"Desktop"="shell"' "$PREFIX/user.reg" 2>/dev/null; then
    echo "run-demo: creating the Wine prefix $PREFIX (about 10 s)" >&2
    e2e_make_prefix "$PREFIX"
fi

if ((!HEADLESS)); then
    echo "run-demo: running $APP/Vantrel.exe; hold F12 to show its window, F5 opens demo.txt" >&2
    (cd "$APP" && WINEPREFIX="$PREFIX" wine "$APP/Vantrel.exe") || true
    exit 0
fi

(cd "$APP" && WINEPREFIX="$PREFIX" exec wine "$APP/Vantrel.exe" >"$DEMO/wine.log" 2>&1) &
WINE_PID=$!
sleep 4
e2e_park_pointer
e2e_hold_key F12 0.4
sleep 1.5
rm -f "$SHOT"
timeout 20 import -window root "$SHOT"
echo "$SHOT"
