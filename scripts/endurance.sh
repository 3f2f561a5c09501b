#!/usr/bin/env bash
# The endurance run at full length: the whole program in one process under
# Wine and Xvfb, 1,000 pause/resume cycles and 1,000 saves, with its table of
# GUI objects, private bytes and tray icons (tests/endurance/Endurance.cpp).
# Too long for scripts/test.sh, whose CTest runs a short one.
#
#   bash scripts/endurance.sh [CYCLES [SAVES]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/win32/tests/endurance/endurance.exe"
[[ -x "$exe" ]] || bash "$root/scripts/build.sh"
# A stuck run (a message box nobody answers) is ended after 15 minutes.
SHELL_TEST_TIMEOUT=${SHELL_TEST_TIMEOUT:-900} \
    bash "$root/tests/port/run-with-display.sh" "$exe" "${1:-1000}" "${2:-1000}"
