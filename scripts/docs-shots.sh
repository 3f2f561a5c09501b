#!/usr/bin/env bash
# Refreshes the pictures of the main window in docs/ from the end-to-end
# cases that take them (build first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/docs"
for dpi in 96 144 192; do
    E2E_ONLY=dpi_$dpi bash "$root/tests/e2e/run.sh"
    cp "$root/build/e2e/shots/main-window-${dpi}dpi.png" "$root/docs/"
done
