# shellcheck shell=bash
# The shut-down key asks Windows to end the session. Wine ends every process
# of the prefix (this case's own throw-away copy), Notepad included, and
# leaves the host alone.
E2E_CASES+=(shutdown)

case_shutdown() {
    write_gbk_line "$APP/Function.dll" "F2,无,无,无,无,无,无"
    start_in_prefix notepad
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    wait_process_count notepad.exe 1 20 || fail "Notepad did not start" || return
    sleep 1
    press F2
    wait_vantrel_count 0 10 || fail "Vantrel.exe still runs after the shut-down key" || return
    wait_process_count notepad.exe 0 5 || fail "Notepad survived the shut-down request" || return
}
