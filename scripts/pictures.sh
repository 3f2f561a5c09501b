#!/usr/bin/env bash
# The program's pictures (tests/e2e/cases/19_window_shots.sh; build first;
# run no other Wine workload meanwhile).
#
#   bash scripts/pictures.sh             compares the pictures at 96 DPI with
#                                        the references in tests/e2e/pictures/
#   bash scripts/pictures.sh --refresh   after an intended change: takes them
#                                        as the new references, puts the
#                                        documented ones in docs/ (also at 144
#                                        and 192 DPI) and lists what changed
#
# Each picture that differs from its reference is drawn beside it in
# build/e2e/pictures/<state>-diff.png (reference, new picture, differences
# in red). Look at every one before committing new references.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots="$root/build/e2e/shots"
diffs="$root/build/e2e/pictures"
# The pictures docs/ shows, as <name>-<dpi>dpi.png.
documented=(splash tray-menu main-window function-menu system-menu help-menu voice voice-missing settings about
            browser exit-chooser exit-confirm)

case ${1:-} in
"") E2E_ONLY=pictures exec bash "$root/tests/e2e/run.sh" </dev/null ;;
--refresh) ;;
*) echo "usage: $0 [--refresh]" >&2; exit 2 ;;
esac

rm -rf "$diffs"
for dpi in 96 144 192; do
    for name in "${documented[@]}"; do rm -f "$shots/$name-${dpi}dpi.png"; done
done
# One run: the compared case at 96 DPI (writing the references and a diff
# picture for each change), then the documentation's larger sizes.
status=0
E2E_ONLY=pictures PICTURES_REFRESH=1 bash "$root/tests/e2e/run.sh" </dev/null || status=1
for dpi in 144 192; do
    E2E_SHOTS=1 E2E_ONLY=shots_$dpi bash "$root/tests/e2e/run.sh" </dev/null || status=1
done
((status == 0)) || { echo "pictures.sh: a run failed; references may be partly refreshed (git diff shows which)" >&2; exit 1; }
mkdir -p "$root/docs"
for dpi in 96 144 192; do
    for name in "${documented[@]}"; do cp "$shots/$name-${dpi}dpi.png" "$root/docs/"; done
done
echo "== changed references (reference | new | differences in red):"
ls "$diffs"/*-diff.png 2>/dev/null || echo "none"
git -C "$root" status --short -- tests/e2e/pictures docs
