# shellcheck shell=bash
# Helpers for the e2e cases (sourced by run.sh after scripts/e2e-env.sh).
# A case runs with PREFIX (its own copy of the template prefix), APP (a fresh
# program folder holding Vantrel.exe) and APP_WIN (APP as a Windows path).
# A case function returns 0 on success or calls `fail REASON` and returns 1.

E2E_CASES=()
PREFIX=
APP=
APP_WIN=
CASE_NAME=
BACKGROUND_PIDS=()

fail() {
    FAIL_REASON=$*
    return 1
}

e2e_case_setup() {
    CASE_NAME=$1
    PREFIX="$E2E_DIR/prefixes/$CASE_NAME"
    APP="$E2E_DIR/work/$CASE_NAME/app"
    rm -rf "$E2E_DIR/work/$CASE_NAME"
    mkdir -p "$APP"
    APP_WIN=$(winepath_of "$APP")
    cp "$VANTREL_EXE" "$APP/Vantrel.exe"
    rm -f "$SHOTS/$CASE_NAME"*.png
    e2e_copy_prefix "$TEMPLATE" "$PREFIX" || { FAIL_REASON="cannot copy the template prefix"; return 1; }
    # The first process starts the wineserver and the "shell" desktop; then
    # the pointer over the desktop gives Wine the keyboard.
    insp procs >/dev/null || { FAIL_REASON="inspect.exe does not run in the prefix"; return 1; }
    e2e_park_pointer
}

e2e_case_teardown() {
    local pid
    if [[ -n "$PREFIX" ]]; then
        e2e_stop_prefix "$PREFIX"
        for pid in "${BACKGROUND_PIDS[@]}"; do
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        done
        rm -rf "$PREFIX"
    fi
    BACKGROUND_PIDS=()
    PREFIX=
}

# Screenshot of the whole screen into build/e2e/shots/<case>[-suffix].png.
e2e_shot() {
    local file="$SHOTS/$CASE_NAME${1:+-$1}.png"
    timeout 10 import -window root "$file" >/dev/null 2>&1 || true
}

# The inspector in this case's prefix.
insp() {
    e2e_inspect "$PREFIX" "$INSPECT" "$@"
}

# Starts a Windows program in this case's prefix in the background, from
# another working directory (/). Sets LAST_PID to the wine process.
start_in_prefix() {
    (cd / && WINEPREFIX="$PREFIX" exec wine "$@" >>"$APP/../wine.log" 2>&1) &
    LAST_PID=$!
    BACKGROUND_PIDS+=("$LAST_PID")
}

# Starts Vantrel.exe of the program folder; started from /, launches prove
# they get the program folder explicitly.
start_vantrel() {
    start_in_prefix "$APP/Vantrel.exe"
}

# Number of running processes of executable $1 in the prefix.
process_count() {
    insp procs "$1" | grep -c . || true
}

# Waits up to $3 seconds until process_count of $1 equals $2.
wait_process_count() {
    local exe=$1 want=$2 end=$((SECONDS + $3))
    while ((SECONDS <= end)); do
        [[ $(process_count "$exe") == "$want" ]] && return 0
        sleep 0.3
    done
    return 1
}

vantrel_count() {
    process_count Vantrel.exe
}

wait_vantrel_count() {
    wait_process_count Vantrel.exe "$1" "$2"
}

# Writes UTF-8 text $2 to file $1 as one GBK line ending in CR LF.
write_gbk_line() {
    printf '%s\n' "$2" | e2e_to_gbk_crlf >"$1"
}

# Number of lines in a file (0 if it does not exist).
line_count() {
    [[ -f "$1" ]] || { echo 0; return; }
    grep -c . "$1" || true
}

# Waits up to $3 seconds until file $1 has at least $2 lines.
wait_lines() {
    local end=$((SECONDS + $3))
    while ((SECONDS <= end)); do
        (($(line_count "$1") >= $2)) && return 0
        sleep 0.2
    done
    return 1
}

# The value of field $2 (e.g. text, visible) in one tab-separated inspector line $1.
field() {
    printf '%s\n' "$1" | tr '\t' '\n' | sed -n "s/^$2=//p" | head -n1
}

# Puts probe.exe into the program folder as $1 (default probe.exe).
install_probe() {
    cp "$PROBE" "$APP/${1:-probe.exe}"
}

# Windows path of a file in the program folder.
app_path() {
    printf '%s\\%s' "$APP_WIN" "$1"
}

# Holds key $1 with the pointer over the desktop.
press() {
    e2e_park_pointer
    e2e_hold_key "$1" "${2:-0.3}"
}
