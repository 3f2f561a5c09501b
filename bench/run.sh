#!/usr/bin/env bash
# The benchmark: Vantrel.exe side by side with the bare baseline launcher
# (bench/baseline) under Wine and Xvfb, and the key monitor's costs natively
# with Google Benchmark. Builds what is missing, prints figures and the
# targets met or missed; no pass or fail of the tests depends on it.
#
#   bash bench/run.sh
#
# BENCH_IDLE_SECONDS (60), BENCH_PRESSES (100) and BENCH_STARTS (5) change
# the length of the runs. Exits non-zero only when something could not be
# measured. Takes about 8 minutes; run it on a quiet machine, never beside
# another Wine workload.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=programs.sh
source "$root/bench/programs.sh"

idle_seconds=${BENCH_IDLE_SECONDS:-60}
presses=${BENCH_PRESSES:-100}
starts=${BENCH_STARTS:-5}
work="$root/build/bench"
win="$root/build/win32"
mkdir -p "$work"

echo "== build"
bash "$root/scripts/setup.sh" || exit 1
if ! bash "$root/scripts/build.sh" >"$work/build.log" 2>&1; then
    tail -n 30 "$work/build.log"
    echo "bench: the build failed (whole log: $work/build.log)" >&2
    exit 1
fi
vantrel_exe="$win/src/app/Vantrel.exe"
baseline_exe="$win/bench/vantrel_baseline.exe"
probe_exe="$win/tests/e2e/tools/probe.exe"
INSPECT="$win/tests/e2e/tools/inspect.exe"
native_bench="$root/build/native/bench/vantrel_bench"
polled_keys="$root/build/native/bench/vantrel_polled_keys"
for f in "$vantrel_exe" "$baseline_exe" "$probe_exe" "$INSPECT" "$native_bench" "$polled_keys"; do
    [[ -f $f ]] || { echo "bench: missing $f after the build" >&2; exit 1; }
done

echo "== the key monitor natively (Google Benchmark, fake port)"
"$native_bench" --benchmark_min_time=0.5 || exit 1

# ---- Under Wine ----

declare -A R  # results by "program.figure"

# Sorted numbers on stdin: "p50 p99" by nearest rank.
percentiles() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "- -"; exit }
        i50 = int(NR * 0.50); if (i50 < NR * 0.50) i50++
        i99 = int(NR * 0.99); if (i99 < NR * 0.99) i99++
        print v[i50], v[i99] }'
}

median() { percentiles | cut -d' ' -f1; }

# Starts NAME $starts times, ending all but the last run: R[NAME.tray] is
# the median time to the tray icon.
measure_starts() {
    local name=$1 i times=()
    echo "-- $name: $starts starts to the tray icon"
    for ((i = 1; i <= starts; i++)); do
        start_program "$name" || return 1
        times+=("$TRAY_MS")
        if ((i < starts)); then stop_program "$name"; sleep 1; fi
    done
    echo "   ms: ${times[*]}"
    R[$name.tray]=$(printf '%s\n' "${times[@]}" | median)
}

# Holds F5 $presses times with only NAME running; R[NAME.p50] etc. are the
# milliseconds from the key going down to the probe's process being created
# (and to its wmain), R[NAME.hwm] the peak memory after them.
measure_presses() {
    local name=$1 app="$work/$1/app" i missed=0
    echo "-- $name: $presses presses of F5"
    rm -f "$app/probe.log"
    : >"$work/$name/presses"
    e2e_park_pointer
    for ((i = 0; i < presses; i++)); do
        m_press_and_time F5 "$app/probe.log" >>"$work/$name/presses" || missed=$((missed + 1))
        # Past Vantrel's half second without polling after a launch, and at
        # a random point of the 50 ms poll: Vantrel's timer restarts after
        # each launch, so a fixed gap would always find it at the same phase.
        sleep "0.$((600 + RANDOM % 100))"
    done
    R[$name.missed]=$missed
    # Where the time goes: key down to the ShellExecute call (the poll), and
    # that call to the new process (the shell and Wine's process start).
    awk 'FNR == NR { if ($3 ~ /SHELL_execute/) exec[++n] = $1; next }
         $2 > 0 { while (i < n && exec[i + 1] < $1) i++
                  if (i < n) { e = exec[++i]; print ($2 - $1) / 1000, (e - $1) / 1000, ($2 - e) / 1000 } }' \
        <(awk '{ $2 = $2 } 1' "${TRACE[$name]}" | sed 's/ [0-9a-f]*:trace:exec:/ x /') \
        "$work/$name/presses" >"$work/$name/latency"
    read -r "R[$name.poll50]" "R[$name.poll99]" < <(awk '{ printf "%.1f\n", $2 }' "$work/$name/latency" | percentiles)
    read -r "R[$name.spawn50]" "R[$name.spawn99]" < <(awk '{ printf "%.1f\n", $3 }' "$work/$name/latency" | percentiles)
    read -r "R[$name.p50]" "R[$name.p99]" < <(awk '$2 > 0 { printf "%.1f\n", ($2 - $1) / 1000 }' "$work/$name/presses" | percentiles)
    read -r "R[$name.main50]" "R[$name.main99]" < <(awk '{ printf "%.1f\n", ($3 - $1) / 1000 }' "$work/$name/presses" | percentiles)
    R[$name.hwm]=$(m_status_kib "${PID[$name]}" VmHWM)
}

trap bench_cleanup EXIT
trap 'exit 130' INT TERM

echo "== under Wine (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
e2e_locale || exit 1
e2e_start_xvfb 90 || exit 1
e2e_make_prefix "$work/template" || exit 1
bench_prepare_prefix || exit 1
# The first process brings up the wineserver and the desktop, so that each
# start below pays only for the program.
e2e_inspect "$M_PREFIX" "$INSPECT" procs >/dev/null || { echo "bench: Wine does not run" >&2; exit 1; }
e2e_park_pointer

measure_starts baseline || exit 1
measure_starts vantrel || exit 1
vantrel_started=$SECONDS

# Idle: both at once over the same minute, after Vantrel's splash (6 s).
sleep $((vantrel_started + 8 - SECONDS > 0 ? vantrel_started + 8 - SECONDS : 0))
echo "-- both idle for $idle_seconds s"
M_PROGRAMS="${PID[vantrel]} ${PID[baseline]}"
R[load0]=$(cut -d' ' -f1 /proc/loadavg)
m_cpu_snapshot "vantrel=${PID[vantrel]}" "baseline=${PID[baseline]}" >"$work/cpu.before"
sleep "$idle_seconds"
m_cpu_snapshot "vantrel=${PID[vantrel]}" "baseline=${PID[baseline]}" >"$work/cpu.after"
R[load1]=$(cut -d' ' -f1 /proc/loadavg)
m_cpu_delta "$work/cpu.before" "$work/cpu.after" >"$work/cpu.delta"
for name in vantrel baseline; do
    R[$name.cpu]=$(awk -v k="$name:all" '$1 == k { print $2 }' "$work/cpu.delta")
    R[$name.idle_hwm]=$(m_status_kib "${PID[$name]}" VmHWM)
    m_rss_by_mapping "${PID[$name]}" >"$work/$name/rss.idle"
    grep -E '^(VmHWM|VmRSS|RssAnon|RssFile|RssShmem)' "/proc/${PID[$name]}/status" >"$work/$name/status.idle"
done
R[cpu_prefix]=$(awk '$1 ~ /^prefix:/ { s += $2 } END { print s + 0 }' "$work/cpu.delta")

# One program at a time for the presses: both would launch on F5.
stop_program baseline
measure_presses vantrel
stop_program vantrel
start_program baseline || exit 1
sleep 2
measure_presses baseline
stop_program baseline
echo "   load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

# ---- Report ----

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
row() { printf '%-38s %15s %15s %9s  %s\n' "$@"; }

vsize=$(stat -c %s "$vantrel_exe")
bsize=$(stat -c %s "$baseline_exe")

echo
echo "== results (Wine: $(wine --version 2>/dev/null); $(nproc) cores; load average during the idle minute ${R[load0]} to ${R[load1]})"
row "" Vantrel baseline ratio target
row "idle CPU over $idle_seconds s (both at once)" "${R[vantrel.cpu]} ms" "${R[baseline.cpu]} ms" \
    "$(ratio "${R[vantrel.cpu]}" "${R[baseline.cpu]}")" "<= 1.2x: $(verdict 'a <= 1.2 * b' "${R[vantrel.cpu]:-}" "${R[baseline.cpu]:-}")"
row "  wineserver, desktop, services (shared)" "${R[cpu_prefix]} ms" "" "" ""
row "peak resident memory (VmHWM)" "$(mib "${R[vantrel.hwm]}")" "$(mib "${R[baseline.hwm]}")" \
    "$(ratio "${R[vantrel.hwm]}" "${R[baseline.hwm]}")" "<= 1.2x: $(verdict 'a <= 1.2 * b' "${R[vantrel.hwm]:-}" "${R[baseline.hwm]:-}")"
row "  the peak before the presses" "$(mib "${R[vantrel.idle_hwm]}")" "$(mib "${R[baseline.idle_hwm]}")" \
    "$(ratio "${R[vantrel.idle_hwm]}" "${R[baseline.idle_hwm]}")" ""
row "start to tray icon (median of $starts)" "${R[vantrel.tray]} ms" "${R[baseline.tray]} ms" \
    "$(ratio "${R[vantrel.tray]}" "${R[baseline.tray]}")" ""
row "key down to launch, p50" "${R[vantrel.p50]} ms" "${R[baseline.p50]} ms" \
    "$(ratio "${R[vantrel.p50]}" "${R[baseline.p50]}")" ""
row "key down to launch, p99" "${R[vantrel.p99]} ms" "${R[baseline.p99]} ms" \
    "$(awk -v a="${R[vantrel.p99]}" -v b="${R[baseline.p99]}" 'BEGIN { printf "%+.1f ms", a - b }')" \
    "<= +10 ms: $(verdict 'a - b <= 10' "${R[vantrel.p99]:-}" "${R[baseline.p99]:-}")"
row "  to the probe's wmain, p50 / p99" "${R[vantrel.main50]} / ${R[vantrel.main99]}" \
    "${R[baseline.main50]} / ${R[baseline.main99]}" "" ""
row "  key down to ShellExecute, p50 / p99" "${R[vantrel.poll50]} / ${R[vantrel.poll99]}" \
    "${R[baseline.poll50]} / ${R[baseline.poll99]}" "" ""
row "  ShellExecute to created, p50 / p99" "${R[vantrel.spawn50]} / ${R[vantrel.spawn99]}" \
    "${R[baseline.spawn50]} / ${R[baseline.spawn99]}" "" ""
row "  presses missed (of $presses)" "${R[vantrel.missed]}" "${R[baseline.missed]}" "" ""
row "exe size" "$vsize B" "$bsize B" "" "< 1.5 MB: $(verdict 'a < 1500000' "$vsize")"

echo
echo "== where the time and memory go"
echo "-- idle CPU ms over the minute, by process of the prefix and by thread"
sed 's/^/   /' "$work/cpu.delta"
echo "-- resident KiB by mapping at idle, the 25 largest differences"
row "" Vantrel baseline difference ""
rss_differences "$work/vantrel/rss.idle" "$work/baseline/rss.idle" 25 |
    while read -r what v b d; do row "$what" "$v" "$b" "$d" ""; done
for name in vantrel baseline; do
    echo "-- $name at idle: $(tr '\n' ' ' <"$work/$name/status.idle" | tr -s ' \t' ' ')"
done
echo "-- Vantrel.exe by section (bytes)"
x86_64-w64-mingw32-objdump -h "$vantrel_exe" | awk 'NF >= 7 && $1 ~ /^[0-9]+$/ { print $2, $3 }' |
    while read -r section hex; do printf '   %-18s %9d\n' "$section" $((16#$hex)); done
