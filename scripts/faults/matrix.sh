#!/usr/bin/env bash
# Which tests catch which seeded fault: runs scripts/mutants.sh with the same
# arguments in matrix mode (each unit or port check runs its whole test
# program under the fault) and prints, from the outputs kept,
#   - each fault with the tests that failed under it,
#   - the tests that caught no fault,
#   - the tests whose every catch another test shares,
#   - the tests that alone catch some fault.
# End-to-end checks are run as usual but give no row.
#
#   bash scripts/faults/matrix.sh logic          # minutes, native
#   bash scripts/faults/matrix.sh 63 64 70       # port faults (Wine, under the lock)
#   MATRIX_DIR=/tmp/m bash scripts/faults/matrix.sh --report   # re-read a run
# The outputs stay in $MATRIX_DIR (default: build/matrix).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=${MATRIX_DIR:-$root/build/matrix}

if [[ ${1:-} != --report ]]; then
    rm -rf "$dir" && mkdir -p "$dir"
    MUTANTS_MATRIX=$dir bash "$root/scripts/mutants.sh" "$@" | tee "$dir/verdicts.txt"
fi
ls "$dir"/base-*.txt >/dev/null 2>&1 || { echo "no test program ran in $dir" >&2; exit 2; }

# One line a test that failed (or died) under a fault: "N TEST"; a test that
# died has no result line: it is the one started before the next start (the
# run goes on with the tests not yet run) or before the end.
catches() {
    local f n
    for f in "$dir"/fault-*.txt; do
        [[ -f $f ]] || continue
        n=${f##*/fault-}; n=${n%.txt}
        awk -v n="$n" '
            /^\[ RUN      \] / { if (running != "") print n, running " (died)"; running = $4 }
            /^\[  FAILED  \] .* \([0-9]+ ms\)$/ { print n, $4; running = "" }
            /^\[       OK \] / || /^\[  SKIPPED \] .* \([0-9]+ ms\)$/ { running = "" }
            END { if (running != "") print n, running " (died)" }' "$f"
    done | sed 's/ (died)$//' | sort -u
}
catches >"$dir/catches.txt"

echo "== Faults and the tests that catch them"
while read -r line; do
    n=${line%% *}
    [[ $n =~ ^[0-9]+$ ]] || continue
    [[ -f $dir/fault-$n.txt ]] || continue
    by=$(awk -v n="$n" '$1 == n { print $2 }' "$dir/catches.txt")
    printf '%s  (%d) %s\n' "$line" "$(grep -c . <<<"$by")" "$(tr '\n' ' ' <<<"$by" | cut -c1-300)"
done <"$dir/verdicts.txt"

for base in "$dir"/base-*.txt; do
    program=${base##*/base-}; program=${program%.txt}
    echo
    echo "== $program"
    sed -n 's/^\[ RUN      \] //p' "$base" | sort -u >"$dir/tests-$program.txt"
    awk '
        FNR == NR { tests[$0] = 1; order[++nt] = $0; next }
        $2 in tests { by[$1] = by[$1] " " $2; of[$2] = of[$2] " " $1; count[$1]++ }
        END {
            for (j = 1; j <= nt; j++) {
                t = order[j]
                if (!(t in of)) { none[++nn] = t; continue }
                k = split(of[t], fs, " "); alone = ""
                for (i = 1; i <= k; i++) if (count[fs[i]] == 1) alone = alone " " fs[i]
                if (alone == "") shared[++ns] = t " (" k " shared)"
                else single[++nu] = t ": alone on" alone
            }
            printf "%d tests: %d catch nothing, %d only shared catches, %d alone on some fault\n", nt, nn, ns, nu
            print "-- catch nothing"; for (i = 1; i <= nn; i++) print "  " none[i]
            print "-- only shared catches"; for (i = 1; i <= ns; i++) print "  " shared[i]
            print "-- alone on some fault"; for (i = 1; i <= nu; i++) print "  " single[i]
        }' "$dir/tests-$program.txt" "$dir/catches.txt" | { read -r head; echo "$head"; cat; }
done
