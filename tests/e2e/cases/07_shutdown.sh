# shellcheck shell=bash
# The shut-down key asks Windows to end the session. Wine ends every process
# of the prefix (this case's own throw-away copy), Notepad included, and
# leaves the host alone.
E2E_CASES+=(shutdown)

case_shutdown() {
    write_gbk_line "$APP/Function.dll" "F2,无,无,无,无,无,无"
    (cd / && WINEPREFIX="$PREFIX" exec wine notepad >/dev/null 2>&1) &
    BACKGROUND_PIDS+=("$!")
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    local end=$((SECONDS + 20))
    until insp procs notepad.exe | grep -q . || ((SECONDS > end)); do sleep 0.3; done
    insp procs notepad.exe | grep -q . || fail "Notepad did not start" || return
    sleep 1
    press F2
    wait_vantrel_count 0 10 || fail "Vantrel.exe still runs after the shut-down key" || return
    ! insp procs notepad.exe | grep -q . || fail "Notepad survived the shut-down request" || return
}
