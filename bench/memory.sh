#!/usr/bin/env bash
# The benchmark's memory-only mode: Vantrel.exe and the bare baseline idle
# side by side in one Wine prefix (the configuration of bench/programs.sh),
# then Vantrel's main window shown by F12 and hidden again, and both idle
# once more. Prints current resident memory (VmRSS) and CPU time of each,
# their ratios against the targets, the time from F12 being seen to the
# window shown, and where Vantrel's extra memory lies, by mapping.
#
#   bash bench/memory.sh            # BENCH_IDLE_SECONDS (120) per idle phase
#
# Builds what is missing; takes about 2 * BENCH_IDLE_SECONDS + 1 minute.
# Run it on a quiet machine, never beside another Wine workload. Exits
# non-zero only when something could not be measured.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=programs.sh
source "$root/bench/programs.sh"

idle_seconds=${BENCH_IDLE_SECONDS:-120}
shows=${BENCH_SHOWS:-5}
# The first show happens once per process: it is timed over this many starts.
first_starts=${BENCH_FIRST_SHOWS:-5}
work="$root/build/bench-memory"
win="$root/build/win32"
# BENCH_VANTREL_EXE measures another build of Vantrel.exe (a step kept aside).
vantrel_exe=${BENCH_VANTREL_EXE:-$win/src/app/Vantrel.exe}
baseline_exe="$win/bench/vantrel_baseline.exe"
probe_exe="$win/tests/e2e/tools/probe.exe"
INSPECT="$win/tests/e2e/tools/inspect.exe"
polled_keys="$root/build/native/bench/vantrel_polled_keys"
mkdir -p "$work"

if ! bash "$root/scripts/build.sh" >"$work/build.log" 2>&1; then
    tail -n 30 "$work/build.log"
    echo "bench: the build failed (whole log: $work/build.log)" >&2
    exit 1
fi
for f in "$vantrel_exe" "$baseline_exe" "$probe_exe" "$INSPECT" "$polled_keys"; do
    [[ -f $f ]] || { echo "bench: missing $f after the build" >&2; exit 1; }
done

declare -A R

# Idles both programs for $idle_seconds; R[NAME.PHASE.rss] (KiB) and
# R[NAME.PHASE.cpu] (ms), and the mappings in $work/NAME/rss.PHASE.
idle_phase() {
    local phase=$1 name
    echo "-- both idle for $idle_seconds s ($phase)"
    m_cpu_snapshot "vantrel=${PID[vantrel]}" "baseline=${PID[baseline]}" >"$work/cpu.$phase.before"
    sleep "$idle_seconds"
    m_cpu_snapshot "vantrel=${PID[vantrel]}" "baseline=${PID[baseline]}" >"$work/cpu.$phase.after"
    m_cpu_delta "$work/cpu.$phase.before" "$work/cpu.$phase.after" >"$work/cpu.$phase"
    for name in vantrel baseline; do
        R[$name.$phase.cpu]=$(awk -v k="$name:all" '$1 == k { print $2 }' "$work/cpu.$phase")
        R[$name.$phase.rss]=$(m_status_kib "${PID[$name]}" VmRSS)
        m_rss_by_mapping "${PID[$name]}" >"$work/$name/rss.$phase"
    done
}

# Holds F12 until the main window shows; prints nothing, fails after 5 s.
show_main() {
    e2e_park_pointer
    e2e_hold_key F12 0.3
    e2e_inspect "$M_PREFIX" "$INSPECT" wait Vantrel 5 visible >/dev/null
}

# The value of field $2 in one tab-separated inspector line $1.
field() { printf '%s\n' "$1" | tr '\t' '\n' | sed -n "s/^$2=//p" | head -n1; }

# Hides the main window the way a user does: a click on "继续监视", once
# the inspector says the click reaches it.
hide_main() {
    local line l t r b x y under
    line=$(e2e_inspect "$M_PREFIX" "$INSPECT" texts Vantrel | awk -F'\t' '$NF == "text=继续监视" { print; exit }')
    IFS=, read -r l t r b <<<"$(field "$line" rect)"
    [[ -n ${b:-} ]] || { echo "bench: no 继续监视 in the main window" >&2; return 1; }
    x=$(((l + r) / 2)) y=$(((t + b) / 2))
    xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.1 mousemove "$x" "$y" sleep 0.2
    under=$(e2e_inspect "$M_PREFIX" "$INSPECT" at "$x" "$y")
    [[ ,$(field "$under" chain), == *",$(field "$line" hwnd),"* ]] ||
        { echo "bench: a click on 继续监视 would reach $under" >&2; return 1; }
    xdotool click 1
    e2e_inspect "$M_PREFIX" "$INSPECT" wait Vantrel 5 hidden >/dev/null
}

# F12 seen to the main window shown and painted, in ms, as the program
# itself times it: from the start of the key poll's tick that read F12 down
# to the return of UpdateWindow after ShowWindow, written with
# OutputDebugString ("Vantrel: shown Vantrel 37.2 ms after its event") and
# read here through the warnings of Wine's seh channel. Prints "ms".
timed_show() {
    local trace=$1 from
    e2e_park_pointer
    sleep 0.5
    from=$(wc -l <"$trace")
    e2e_hold_key F12 0.3
    e2e_inspect "$M_PREFIX" "$INSPECT" wait Vantrel 5 visible >/dev/null || return 1
    sleep 0.3
    awk -v from="$from" 'NR > from && match($0, /Vantrel: shown Vantrel [0-9.]+ ms/) {
        n = split(substr($0, RSTART, RLENGTH), w, " "); print w[n - 1]; exit }' "$trace" | grep . ||
        { echo "bench: the program wrote no time to show its main window" >&2; return 1; }
}

# Starts Vantrel with its debug output written straight to a file.
timed_start() {
    M_TRACE="$work/debugstr.log"
    (cd / && WINEPREFIX="$M_PREFIX" WINEDEBUG=-all,warn+seh exec wine "$work/vantrel/app/Vantrel.exe" \
        2>"$M_TRACE" >/dev/null) &
    PID[vantrel]=$!
    e2e_inspect "$M_PREFIX" "$INSPECT" wait Vantrel 30 hidden >/dev/null
}

trap bench_cleanup EXIT
trap 'exit 130' INT TERM

echo "== memory under Wine (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
e2e_locale || exit 1
e2e_start_xvfb 91 || exit 1
e2e_make_prefix "$work/template" || exit 1
bench_prepare_prefix || exit 1
e2e_inspect "$M_PREFIX" "$INSPECT" procs >/dev/null || { echo "bench: Wine does not run" >&2; exit 1; }
e2e_park_pointer

start_program baseline || exit 1
start_program vantrel || exit 1
# Past Vantrel's splash (6 s).
sleep 8
M_PROGRAMS="${PID[vantrel]} ${PID[baseline]}"
idle_phase never_shown

echo "-- Vantrel's main window shown by F12 and hidden"
show_main || { echo "bench: F12 did not show the main window" >&2; exit 1; }
sleep 1
hide_main || { echo "bench: the main window did not hide" >&2; exit 1; }
idle_phase shown_once

# The time to show, in runs of their own with the debug output traced: the
# first show of each of $first_starts starts, then the later shows of the last.
stop_program vantrel
firsts=()
for ((i = 0; i < first_starts; i++)); do
    ((i == 0)) || stop_program vantrel
    timed_start || { echo "bench: Vantrel with its debug output traced did not start" >&2; exit 1; }
    sleep 8
    firsts+=("$(timed_show "$M_TRACE")") || exit 1
done
sorted_firsts=$(printf '%s\n' "${firsts[@]}" | sort -n)
first=$(sed -n "$(((first_starts + 1) / 2))p" <<<"$sorted_firsts")
first_max=$(tail -n1 <<<"$sorted_firsts")
later=()
for ((i = 1; i < shows; i++)); do
    hide_main || exit 1
    sleep 0.5
    later+=("$(timed_show "$M_TRACE")") || exit 1
done
later_max=$(printf '%s\n' "${later[@]}" | sort -n | tail -n1)
stop_program vantrel
echo "   load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
row() { printf '%-52s %12s %12s %8s  %s\n' "$@"; }

echo
echo "== memory (Wine: $(wine --version 2>/dev/null); $(nproc) cores; idle phases of $idle_seconds s)"
row "" Vantrel baseline ratio target
a=${R[vantrel.never_shown.rss]:-} b=${R[baseline.never_shown.rss]:-}
row "VmRSS idle, main window never shown" "$(mib "$a")" "$(mib "$b")" "$(ratio "$a" "$b")" \
    "<= 1.15x: $(verdict 'a <= 1.15 * b' "$a" "$b")"
a=${R[vantrel.never_shown.cpu]:-} b=${R[baseline.never_shown.cpu]:-}
row "CPU over the same $idle_seconds s" "$a ms" "$b ms" "$(ratio "$a" "$b")" "<= 1.2x: $(verdict 'a <= 1.2 * b' "$a" "$b")"
a=${R[vantrel.shown_once.rss]:-} b=${R[baseline.shown_once.rss]:-}
row "VmRSS idle, after one show and hide" "$(mib "$a")" "$(mib "$b")" "$(ratio "$a" "$b")" \
    "<= 1.3x: $(verdict 'a <= 1.3 * b' "$a" "$b")"
a=${R[vantrel.shown_once.cpu]:-} b=${R[baseline.shown_once.cpu]:-}
row "CPU over the same $idle_seconds s" "$a ms" "$b ms" "$(ratio "$a" "$b")" ""
row "F12 seen to shown, first show (median of $first_starts starts)" "$first ms" "" "" "<= 100 ms: $(verdict 'a <= 100' "$first")"
row "F12 seen to shown, first show (max of $first_starts)" "$first_max ms" "" "" "(all: ${firsts[*]})"
row "F12 seen to shown, later (max of $((shows - 1)))" "$later_max ms" "" "" "<= 100 ms: $(verdict 'a <= 100' "$later_max")"
echo
for phase in never_shown shown_once; do
    echo "-- resident KiB by mapping ($phase), the 15 largest differences"
    row "" Vantrel baseline difference ""
    rss_differences "$work/vantrel/rss.$phase" "$work/baseline/rss.$phase" 15 |
        while read -r what v b d; do row "$what" "$v" "$b" "$d" ""; done
done
