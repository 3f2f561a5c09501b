# shellcheck shell=bash
# The two programs the Wine benchmarks run side by side in one prefix:
# Vantrel.exe and the bare baseline (bench/baseline), each in its own folder
# under $work with probe.exe. Source it with $root set (it brings the Wine
# helpers, the measuring functions and the verdicts); the functions expect
# $work, $vantrel_exe, $baseline_exe, $probe_exe and $polled_keys.
E2E_ROOT=$root
# shellcheck source=../scripts/e2e-env.sh
source "$root/scripts/e2e-env.sh"
# shellcheck source=wine-measure.sh
source "$root/bench/wine-measure.sh"
# shellcheck source=verdict.sh
source "$root/bench/verdict.sh"

# Vantrel's folder in the measured configuration: the six system actions on
# keys, three entries (probe.exe on F5, F9 and F10), and the voice add-on
# switched on, so that both of its polls run (no letter is pressed, so the
# sounds are not needed). No system key is ever pressed by a benchmark.
prepare_vantrel() {
    local app=$1 probe
    cp "$vantrel_exe" "$app/Vantrel.exe"
    probe="$(winepath_of "$app")\\probe.exe"
    printf 'F2,F3,F4,F6,F7,F8,无\n' | e2e_to_gbk_crlf >"$app/Function.dll"
    printf 'F5   %s,F9   %s,F10   %s\n' "$probe" "$probe" "$probe" | e2e_to_gbk_crlf >"$app/Custom.dll"
    mkdir -p "$app/tools/yy"
    printf 'bench\r\n' >"$app/tools/yy/on.dll"
    printf '1.0,1.0\r\n' >"$app/tools/yy/ver.dll"
    printf '1\r\n' >"$app/tools/yy/set1.dll"
}

prepare_baseline() {
    cp "$baseline_exe" "$1/vantrel_baseline.exe"
}

declare -A PID READER TRACE COMMAND

# Both programs' folders in prefix $M_PREFIX (a copy of $work/template),
# and their commands. The baseline polls exactly the keys Vantrel polls with
# these files, as often: Vantrel's start-up and timers, run natively on the
# same folder, say which.
bench_prepare_prefix() {
    local name polls ms keys baseline_polls=()
    M_PREFIX="$work/prefix"
    M_DIR="$work"
    e2e_copy_prefix "$work/template" "$M_PREFIX" || return 1
    for name in baseline vantrel; do
        rm -rf "${work:?}/$name"
        mkdir -p "$work/$name/app"
        "prepare_$name" "$work/$name/app"
        cp "$probe_exe" "$work/$name/app/probe.exe"
    done
    polls=$("$polled_keys" "$work/vantrel/app") || { echo "bench: cannot tell which keys Vantrel polls" >&2; return 1; }
    while read -r ms keys; do
        baseline_polls+=("'poll=$ms:${keys// /,}'")
        echo "   Vantrel and the baseline poll every $ms ms: $keys"
    done <<<"$polls"
    COMMAND[baseline]="'$work/baseline/app/vantrel_baseline.exe' ${baseline_polls[*]} 'F5=$(winepath_of "$work/baseline/app")\\probe.exe'"
    COMMAND[vantrel]="'$work/vantrel/app/Vantrel.exe'"
}

# Starts program NAME (its command in COMMAND[NAME]) and waits for its tray
# icon; sets TRAY_MS to the milliseconds from the start to the icon. (Not in
# a subshell: the program and its trace reader must stay ours.)
start_program() {
    local name=$1 t0 at
    t0=$(m_now_us)
    eval "m_start ${COMMAND[$name]}"
    PID[$name]=$M_PID
    READER[$name]=$M_READER
    TRACE[$name]=$M_TRACE
    at=$(m_wait_tray_icon 30) || { echo "bench: $name showed no tray icon within 30 s" >&2; return 1; }
    TRAY_MS=$(((at - t0) / 1000))
}

stop_program() {
    M_PID=${PID[$1]:-} M_READER=${READER[$1]:-}
    m_stop
    PID[$1]=
}

# Ends both programs and removes the prefixes and Xvfb (the EXIT trap).
bench_cleanup() {
    stop_program vantrel
    stop_program baseline
    for p in "$M_PREFIX" "$work/template"; do
        [[ -n $p ]] && { e2e_stop_prefix "$p"; rm -rf "$p"; }
    done
    e2e_stop_xvfb
}

# The $3 largest differences between two "KiB name" lists ($1 Vantrel's,
# $2 the baseline's) as rows "name vantrel baseline difference".
rss_differences() {
    LC_ALL=C join -a1 -a2 -e0 -o 0,1.2,2.2 <(awk '{ print $2, $1 }' "$1" | LC_ALL=C sort) \
        <(awk '{ print $2, $1 }' "$2" | LC_ALL=C sort) |
        awk '{ d = $2 - $3; print (d < 0 ? -d : d), $1, $2, $3, d }' | sort -rn | head -n "$3" |
        while read -r _ what v b d; do printf '%s %s %s %s\n' "$what" "$v" "$b" "$d"; done
}
