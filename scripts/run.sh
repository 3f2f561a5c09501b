#!/usr/bin/env bash
# Sets up, builds and starts Vantrel.exe under Wine with a demo program folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
exec bash "$root/scripts/run-demo.sh"
