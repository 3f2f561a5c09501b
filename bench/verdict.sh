# shellcheck shell=bash
# The benchmark's verdicts, failing closed: a target is "met" only when each
# figure it compares is a number and the comparison holds. A figure that is
# missing or unparsable (a run that measured nothing, a tool that failed)
# reads MISSED, never met.
#
#   verdict 'a <= 1.2 * b' "$vantrel_figure" "$baseline_figure"
#   verdict 'a < 1500000' "$size"
# In the awk condition the first figure is a, the second b.
verdict() {
    local condition=$1 figure
    shift
    for figure in "$@"; do
        [[ $figure =~ ^-?[0-9]+(\.[0-9]+)?$ ]] || { echo "MISSED (no figure)"; return; }
    done
    if awk -v a="$1" -v b="${2:-0}" "BEGIN { exit !($condition) }"; then echo met; else echo MISSED; fi
}
