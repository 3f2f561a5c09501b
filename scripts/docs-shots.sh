#!/usr/bin/env bash
# Refreshes the pictures of every window in docs/ at 96, 144 and 192 DPI from
# the end-to-end cases shots_<dpi> (tests/e2e/cases/19_window_shots.sh; build
# first). About four minutes; run no other Wine workload meanwhile.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots="$root/build/e2e/shots"
names=(splash tray-menu main-window function-menu system-menu help-menu voice voice-missing settings about browser
       exit-chooser exit-confirm)
mkdir -p "$root/docs" "$shots"
for dpi in 96 144 192; do
    for name in "${names[@]}"; do rm -f "$shots/$name-${dpi}dpi.png"; done
    E2E_SHOTS=1 E2E_ONLY=shots_$dpi bash "$root/tests/e2e/run.sh"
    for name in "${names[@]}"; do cp "$shots/$name-${dpi}dpi.png" "$root/docs/"; done
done
