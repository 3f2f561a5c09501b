#!/usr/bin/env bash
# End-to-end tests: the real Vantrel.exe in a fresh copy of one Wine prefix per
# case, under Xvfb, driven by real key presses and observed through files,
# window texts (tools/inspect.exe) and screenshots.
#
#   tests/e2e/run.sh [path/to/Vantrel.exe] [folder with probe.exe and inspect.exe]
#
# Build first (MinGW cross build, targets Vantrel, e2e_probe, e2e_inspect).
# E2E_ONLY="<case> ..." runs only those cases; a name no case has fails.
#
# The cases run in two streams at once, each on an Xvfb screen of its own
# with its own prefixes (copies of one template); CASE_SECONDS below balances
# them, and the cases in RUN_ALONE run by themselves after both. A stream
# prints each case's lines whole when the case ends. E2E_STREAMS=1 runs
# everything in one stream, in the suite's order (as a single case always runs).
# Prints "PASS name" / "FAIL name: reason" per case, "SKIPPED name: what" per
# fault this machine cannot stage (a failure when run as root), one line per
# stream with each case's seconds, then "N passed, M failed, K skipped".
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../../scripts/e2e-env.sh"
source "$HERE/lib.sh"

BUILD="$E2E_ROOT/build/win32"
VANTREL_EXE=${1:-${VANTREL_EXE:-$(find "$BUILD" -name Vantrel.exe -type f 2>/dev/null | head -n1)}}
TOOLS=${2:-${E2E_TOOLS:-$(dirname "$(find "$BUILD" -name inspect.exe -type f 2>/dev/null | head -n1)")}}
INSPECT="$TOOLS/inspect.exe"
PROBE="$TOOLS/probe.exe"
TRAY_TOOL="$TOOLS/tray.exe"
HOLD_TOOL="$TOOLS/hold.exe"
WINDOW_TOOL="$TOOLS/window.exe"
for f in "$VANTREL_EXE" "$INSPECT" "$PROBE" "$TRAY_TOOL" "$HOLD_TOOL" "$WINDOW_TOOL"; do
    if [[ ! -f "$f" ]]; then
        echo "e2e: missing ${f:-Vantrel.exe}; build the win32 targets first" >&2
        echo "0 passed, 1 failed, 0 skipped"
        exit 2
    fi
done

E2E_DIR="$E2E_ROOT/build/e2e"
# A folder where a case may keep what later cases of its stream reuse (the
# voice add-on); each stream has its own, so two never write one at once.
E2E_SHARED="$E2E_DIR/shared"
TEMPLATE="$E2E_DIR/template"
SHOTS="$E2E_DIR/shots"
RESULTS="$E2E_DIR/results"
mkdir -p "$SHOTS" "$E2E_DIR/work" "$E2E_DIR/prefixes"
rm -rf "$RESULTS"
mkdir -p "$RESULTS"

# Seconds each case took on a 2-core machine, run alone (set-up and
# teardown included); a case missing here counts as DEFAULT_SECONDS. Only the
# balance of the streams depends on them.
declare -A CASE_SECONDS=(
    [first_start]=3 [launch]=8 [f12_show]=5 [second_copy]=7 [system_keys]=9 [large_files]=5
    [shutdown]=4 [add_entry]=13 [key_in_use]=9 [drag]=9 [keyboard_only]=17 [dpi_96]=5
    [dpi_144]=8 [dpi_192]=9 [voice_keys]=9 [voice_without_addon]=6 [tray_menu]=15
    [tray_pause_resume]=18 [tray_cycles]=61 [tray_exit]=16 [tray_taskbar_recreated]=12
    [start_at_log_on]=18 [about_and_browser]=8 [version_resource]=2 [portable_zip]=2
    [installer_pages]=7 [install_save_uninstall]=9 [install_autostart_keep_data]=3
    [upgrade_running]=12 [upgrade_running_by_hand]=19 [uninstall_beside_portable]=5
    [running_copy_helper]=9 [out_of_reach_stops]=4 [exit_dialogs]=13 [save_faults]=28
    [pictures]=135 [chooser_paste]=14 [close_request]=27 [stacking]=31 [kept_bytes]=10
    [options_window]=36 [countdown_switch]=25
)
DEFAULT_SECONDS=15
# Cases whose timing does not bear a second stream beside them.
RUN_ALONE=()

STREAM_PIDS=()
cleanup() {
    local pid
    for pid in "${STREAM_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${STREAM_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    e2e_case_teardown
    rm -rf "$TEMPLATE"
    e2e_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

e2e_locale || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }
e2e_start_xvfb 70 || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }
e2e_make_prefix "$TEMPLATE" || { echo "0 passed, 1 failed, 0 skipped"; exit 2; }

for case_file in "$HERE"/cases/*.sh; do
    # shellcheck source=/dev/null
    source "$case_file"
done

# The cases to run, in the suite's order.
SELECTED=()
UNKNOWN=()
if [[ -n "${E2E_ONLY:-}" ]]; then
    for name in $E2E_ONLY; do
        [[ " ${E2E_CASES[*]} " == *" $name "* ]] || UNKNOWN+=("$name")
    done
fi
for name in "${E2E_CASES[@]}"; do
    [[ -n "${E2E_ONLY:-}" && " $E2E_ONLY " != *" $name "* ]] && continue
    SELECTED+=("$name")
done

# Runs case $1 in this shell and appends "PASS|FAIL name skips seconds" to
# results file $2.
run_case() {
    local name=$1 results=$2 start=$SECONDS skipped_before=$SKIPPED status
    FAIL_REASON=
    TOOL_ERRORS=/dev/null
    if e2e_case_setup "$name" && "case_$name" && [[ -z "$FAIL_REASON" ]] &&
        { [[ ! -s $TOOL_ERRORS ]] || fail "a tool failed: $(head -n1 "$TOOL_ERRORS")"; }; then
        echo "PASS $name"
        status=PASS
    else
        echo "FAIL $name: ${FAIL_REASON:-setup failed}"
        status=FAIL
        e2e_shot fail
    fi
    e2e_case_teardown
    echo "$status $name $((SKIPPED - skipped_before)) $((SECONDS - start))" >>"$results"
}

# Runs cases $3... one after another into results file $2. With $1 = 1 each
# case's output is held until it ends and then printed whole, so two streams'
# lines do not interleave.
run_cases() {
    local buffered=$1 results=$2 name out err
    shift 2
    SKIPPED=0
    for name in "$@"; do
        if ((buffered)); then
            out="$E2E_DIR/work/$name.out"
            err="$E2E_DIR/work/$name.err"
            run_case "$name" "$results" >"$out" 2>"$err"
            (
                flock 9
                cat "$err" >&2
                cat "$out"
            ) 9>"$RESULTS/print.lock"
            rm -f "$out" "$err"
        else
            run_case "$name" "$results"
        fi
    done
}

# A stream in the background: on the Xvfb screen it is given ($1 = "own" for
# a new one, from display $2 up), running cases $3... Sets STREAM_PIDS.
start_stream() {
    local screen=$1 from=$2 results
    shift 2
    results="$RESULTS/stream-$((${#STREAM_PIDS[@]} + 1))"
    : >"$results"
    (
        # What the stream's cases share (E2E_SHARED) is the stream's own; the
        # run's screen and template are the run's to remove, not the stream's.
        E2E_SHARED="$E2E_DIR/shared-$((${#STREAM_PIDS[@]} + 1))"
        STREAM_PIDS=()
        E2E_XVFB_PID=
        trap 'e2e_case_teardown; e2e_stop_xvfb' EXIT
        trap 'exit 130' INT TERM
        if [[ $screen == own ]]; then
            e2e_start_xvfb "$from" || exit 2
        fi
        run_cases 1 "$results" "$@"
    ) &
    STREAM_PIDS+=($!)
    # The stream's cases, so one it never finished counts as failed.
    printf '%s\n' "$@" >"$results.cases"
}

# Splits SELECTED less RUN_ALONE into two streams of about equal seconds:
# each case, longest first, goes to the stream with fewer seconds so far;
# within a stream the suite's order is kept. Sets STREAM_A and STREAM_B.
split_streams() {
    local name secs a=0 b=0
    declare -A to=()
    while read -r secs name; do
        if ((a <= b)); then to[$name]=A; a=$((a + secs)); else to[$name]=B; b=$((b + secs)); fi
    done < <(for name in "${SELECTED[@]}"; do
                 [[ " ${RUN_ALONE[*]} " == *" $name "* ]] && continue
                 echo "${CASE_SECONDS[$name]:-$DEFAULT_SECONDS} $name"
             done | sort -k1,1nr -k2,2)
    STREAM_A=() STREAM_B=()
    for name in "${SELECTED[@]}"; do
        case ${to[$name]:-} in
        A) STREAM_A+=("$name") ;;
        B) STREAM_B+=("$name") ;;
        esac
    done
}

ALONE=()
if ((${E2E_STREAMS:-2} >= 2 && ${#SELECTED[@]} >= 2)); then
    for name in "${SELECTED[@]}"; do
        [[ " ${RUN_ALONE[*]} " == *" $name "* ]] && ALONE+=("$name")
    done
    split_streams
    ((${#STREAM_A[@]})) && start_stream shared 70 "${STREAM_A[@]}"
    ((${#STREAM_B[@]})) && start_stream own 74 "${STREAM_B[@]}"
    for pid in "${STREAM_PIDS[@]}"; do wait "$pid"; done
    STREAM_PIDS=()
else
    ALONE=("${SELECTED[@]}")
fi
if ((${#ALONE[@]})); then
    : >"$RESULTS/alone"
    printf '%s\n' "${ALONE[@]}" >"$RESULTS/alone.cases"
    run_cases 0 "$RESULTS/alone" "${ALONE[@]}"
fi

# The summary, from what each stream wrote down: a case a stream was given
# but never finished (its screen did not start, it was killed) failed.
PASSED=0
FAILED=0
SKIPPED=0
for name in "${UNKNOWN[@]}"; do
    echo "FAIL $name: no such case"
    FAILED=$((FAILED + 1))
done
for list in "$RESULTS"/*.cases; do
    results=${list%.cases}
    line="$(basename "$results"):"
    total=0
    while read -r name; do
        if read -r status _ skips secs < <(awk -v n="$name" '$2 == n' "$results"); then
            [[ $status == PASS ]] && PASSED=$((PASSED + 1)) || FAILED=$((FAILED + 1))
            SKIPPED=$((SKIPPED + skips))
            line+=" $name ${secs}s,"
            total=$((total + secs))
        else
            echo "FAIL $name: its stream ended before it ran"
            FAILED=$((FAILED + 1))
        fi
    done <"$list"
    echo "${line%,} (${total} s)"
done

echo "$PASSED passed, $FAILED failed, $SKIPPED skipped"
((FAILED == 0))
