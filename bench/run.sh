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
E2E_ROOT=$root
# shellcheck source=../scripts/e2e-env.sh
source "$root/scripts/e2e-env.sh"
# shellcheck source=wine-measure.sh
source "$root/bench/wine-measure.sh"

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
for f in "$vantrel_exe" "$baseline_exe" "$probe_exe" "$INSPECT" "$native_bench"; do
    [[ -f $f ]] || { echo "bench: missing $f after the build" >&2; exit 1; }
done

echo "== the key monitor natively (Google Benchmark, fake port)"
"$native_bench" --benchmark_min_time=0.5 || exit 1

# ---- Under Wine ----

declare -A R  # results by "program.figure"

# The program folder for one program: the exe, probe.exe bound to F5, and
# for Vantrel its two files and a voice add-on switched on, so that both of
# its polls run (the add-on's sounds are not needed: no letter is pressed).
prepare_vantrel() {
    local app=$1
    cp "$vantrel_exe" "$app/Vantrel.exe"
    printf '无,无,无,无,无,无,无\n' | e2e_to_gbk_crlf >"$app/Function.dll"
    printf 'F5   %s\\probe.exe\n' "$(winepath_of "$app")" | e2e_to_gbk_crlf >"$app/Custom.dll"
    mkdir -p "$app/tools/yy"
    printf 'bench\r\n' >"$app/tools/yy/on.dll"
    printf '1.0,1.0\r\n' >"$app/tools/yy/ver.dll"
    printf '1\r\n' >"$app/tools/yy/set1.dll"
}

prepare_baseline() {
    cp "$baseline_exe" "$1/vantrel_baseline.exe"
}

# Sorted numbers on stdin: "p50 p99" by nearest rank.
percentiles() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "- -"; exit }
        i50 = int(NR * 0.50); if (i50 < NR * 0.50) i50++
        i99 = int(NR * 0.99); if (i99 < NR * 0.99) i99++
        print v[i50], v[i99] }'
}

median() { percentiles | cut -d' ' -f1; }

# Measures one program: measure NAME EXE_NAME [ARGS...]. Sets R[NAME.*].
measure() {
    local name=$1 exe=$2
    shift 2
    M_DIR="$work/$name"
    M_PREFIX="$work/prefix-$name"
    rm -rf "$M_DIR"
    mkdir -p "$M_DIR/app"
    local app="$M_DIR/app"
    "prepare_$name" "$app"
    cp "$probe_exe" "$app/probe.exe"
    e2e_copy_prefix "$work/template" "$M_PREFIX" || return 1
    # The first process brings up the wineserver and the desktop, so each
    # start below pays only for the program.
    e2e_inspect "$M_PREFIX" "$INSPECT" procs >/dev/null || { echo "bench: $name: Wine does not run" >&2; return 1; }
    e2e_park_pointer

    echo "-- $name: $starts starts to the tray icon"
    local i t0 at started_at times=()
    for ((i = 1; i <= starts; i++)); do
        t0=$(m_now_us)
        m_start "$app/$exe" "$@"
        started_at=$SECONDS
        at=$(m_wait_tray_icon 30) || { echo "bench: $name showed no tray icon within 30 s" >&2; m_stop; return 1; }
        times+=($(((at - t0) / 1000)))
        ((i < starts)) && { m_stop; sleep 1; }
    done
    echo "   ms: ${times[*]}"
    R[$name.tray]=$(printf '%s\n' "${times[@]}" | median)
    R[$name.pid]=$M_PID

    # Idle: after the start-up (Vantrel's splash closes after 6 s).
    sleep $((started_at + 8 - SECONDS > 0 ? started_at + 8 - SECONDS : 0))
    echo "-- $name: idle for $idle_seconds s"
    R[$name.load0]=$(cut -d' ' -f1 /proc/loadavg)
    m_cpu_snapshot >"$M_DIR/cpu.before"
    sleep "$idle_seconds"
    m_cpu_snapshot >"$M_DIR/cpu.after"
    R[$name.load1]=$(cut -d' ' -f1 /proc/loadavg)
    m_cpu_delta "$M_DIR/cpu.before" "$M_DIR/cpu.after" >"$M_DIR/cpu.delta"
    R[$name.cpu]=$(awk '$1 == "program:all" { print $2 }' "$M_DIR/cpu.delta")
    R[$name.cpu_prefix]=$(awk '$1 ~ /^prefix:/ { s += $2 } END { print s + 0 }' "$M_DIR/cpu.delta")
    R[$name.idle_hwm]=$(m_status_kib VmHWM)
    m_rss_by_mapping >"$M_DIR/rss.idle"
    grep -E '^(Vm|Rss)' "/proc/$M_PID/status" >"$M_DIR/status.idle"

    echo "-- $name: $presses presses of F5"
    local missed=0
    : >"$M_DIR/presses"
    for ((i = 0; i < presses; i++)); do
        m_press_and_time F5 "$app/probe.log" >>"$M_DIR/presses" || missed=$((missed + 1))
        # Past Vantrel's half second without polling after a launch.
        sleep 0.6
    done
    R[$name.missed]=$missed
    read -r R[$name.p50] R[$name.p99] < <(awk '$2 > 0 { printf "%.1f\n", ($2 - $1) / 1000 }' "$M_DIR/presses" | percentiles)
    read -r R[$name.main50] R[$name.main99] < <(awk '{ printf "%.1f\n", ($3 - $1) / 1000 }' "$M_DIR/presses" | percentiles)
    R[$name.hwm]=$(m_status_kib VmHWM)
    R[$name.rss]=$(m_status_kib VmRSS)

    m_stop
    e2e_stop_prefix "$M_PREFIX"
    rm -rf "$M_PREFIX"
}

cleanup() {
    m_stop
    [[ -n $M_PREFIX ]] && { e2e_stop_prefix "$M_PREFIX"; rm -rf "$M_PREFIX"; }
    e2e_stop_prefix "$work/template"
    rm -rf "$work/template"
    e2e_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "== under Wine (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
e2e_locale || exit 1
e2e_start_xvfb 90 || exit 1
e2e_make_prefix "$work/template" || exit 1
measure baseline vantrel_baseline.exe "F5=$(winepath_of "$work/baseline/app")\\probe.exe" || exit 1
measure vantrel Vantrel.exe || exit 1
echo "   load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

# ---- Report ----

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
verdict() { awk -v ok="$1" 'BEGIN { print (ok ? "met" : "MISSED") }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

vsize=$(stat -c %s "$vantrel_exe")
bsize=$(stat -c %s "$baseline_exe")
cpu_ok=$(awk -v a="${R[vantrel.cpu]}" -v b="${R[baseline.cpu]}" 'BEGIN { print (a <= 1.2 * b) }')
mem_ok=$(awk -v a="${R[vantrel.hwm]}" -v b="${R[baseline.hwm]}" 'BEGIN { print (a <= 1.2 * b) }')
size_ok=$((vsize < 1500000))
p99_ok=$(awk -v a="${R[vantrel.p99]}" -v b="${R[baseline.p99]}" 'BEGIN { print (a - b <= 10) }')

echo
echo "== results (Wine $(wine --version 2>/dev/null), $(nproc) cores)"
printf '%-40s %14s %14s %8s  %s\n' "" Vantrel baseline ratio target
printf '%-40s %14s %14s %8s  %s\n' "idle CPU over $idle_seconds s (the process)" \
    "${R[vantrel.cpu]} ms" "${R[baseline.cpu]} ms" "$(ratio "${R[vantrel.cpu]}" "${R[baseline.cpu]}")" \
    "<= 1.2x: $(verdict "$cpu_ok")"
printf '%-40s %14s %14s %8s\n' "  + wineserver, desktop, services" \
    "${R[vantrel.cpu_prefix]} ms" "${R[baseline.cpu_prefix]} ms" \
    "$(ratio "${R[vantrel.cpu_prefix]}" "${R[baseline.cpu_prefix]}")"
printf '%-40s %14s %14s %8s  %s\n' "peak resident memory (VmHWM)" \
    "$(mib "${R[vantrel.hwm]}")" "$(mib "${R[baseline.hwm]}")" \
    "$(ratio "${R[vantrel.hwm]}" "${R[baseline.hwm]}")" "<= 1.2x: $(verdict "$mem_ok")"
printf '%-40s %14s %14s %8s\n' "  peak before the presses" \
    "$(mib "${R[vantrel.idle_hwm]}")" "$(mib "${R[baseline.idle_hwm]}")" \
    "$(ratio "${R[vantrel.idle_hwm]}" "${R[baseline.idle_hwm]}")"
printf '%-40s %14s %14s %8s\n' "launch to tray icon (median of $starts)" \
    "${R[vantrel.tray]} ms" "${R[baseline.tray]} ms" "$(ratio "${R[vantrel.tray]}" "${R[baseline.tray]}")"
printf '%-40s %14s %14s %8s\n' "key down to launch, p50" "${R[vantrel.p50]} ms" "${R[baseline.p50]} ms" \
    "$(ratio "${R[vantrel.p50]}" "${R[baseline.p50]}")"
printf '%-40s %14s %14s %8s  %s\n' "key down to launch, p99" "${R[vantrel.p99]} ms" "${R[baseline.p99]} ms" \
    "$(awk -v a="${R[vantrel.p99]}" -v b="${R[baseline.p99]}" 'BEGIN { printf "%+.1f ms", a - b }')" \
    "<= +10 ms: $(verdict "$p99_ok")"
printf '%-40s %14s %14s\n' "  to the probe's main, p50 / p99" \
    "${R[vantrel.main50]}/${R[vantrel.main99]}" "${R[baseline.main50]}/${R[baseline.main99]}"
printf '%-40s %14s %14s\n' "  presses missed (of $presses)" "${R[vantrel.missed]}" "${R[baseline.missed]}"
printf '%-40s %14s %14s %8s  %s\n' "exe size" "$vsize B" "$bsize B" "" "< 1.5 MB: $(verdict "$size_ok")"
printf '%-40s %14s %14s\n' "load average (1 min) during idle" \
    "${R[vantrel.load0]}-${R[vantrel.load1]}" "${R[baseline.load0]}-${R[baseline.load1]}"

echo
echo "== where the time and memory go"
echo "-- idle CPU ms by process of the prefix and by thread of the program"
LC_ALL=C join -a1 -a2 -e0 -o 0,1.2,2.2 <(LC_ALL=C sort "$work/vantrel/cpu.delta") <(LC_ALL=C sort "$work/baseline/cpu.delta") |
    awk 'BEGIN { printf "%-40s %14s %14s\n", "", "Vantrel", "baseline" }
         { printf "%-40s %14s %14s\n", $1, $2, $3 }'
echo "-- resident KiB by mapping at idle (the ten largest differences)"
LC_ALL=C join -a1 -a2 -e0 -o 0,1.2,2.2 <(awk '{ print $2, $1 }' "$work/vantrel/rss.idle" | LC_ALL=C sort) \
    <(awk '{ print $2, $1 }' "$work/baseline/rss.idle" | LC_ALL=C sort) |
    awk '{ d = $2 - $3; print (d < 0 ? -d : d), $0 }' | sort -rn | head -n 10 |
    awk 'BEGIN { printf "%-40s %14s %14s\n", "", "Vantrel", "baseline" }
         { printf "%-40s %14s %14s\n", $2, $3, $4 }'
for name in vantrel baseline; do
    echo "-- $name: $(tr '\n' ' ' <"$work/$name/status.idle" | tr -s ' \t' ' ')"
done
