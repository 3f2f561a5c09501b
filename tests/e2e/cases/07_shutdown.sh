# shellcheck shell=bash
# The shut-down key asks Windows to end the session. Wine ends every process
# of the prefix (this case's own throw-away copy) and leaves the host alone.
# Observed: the request Wine's ExitWindowsEx passes on (its process trace),
# and another program told that the session ends before it goes.
E2E_CASES+=(shutdown)

case_shutdown() {
    cp "$WINDOW_TOOL" "$APP/window.exe"
    write_gbk_line "$APP/Function.dll" "F2,无,无,无,无,无,无"
    start_in_prefix "$APP/window.exe"
    WINEDEBUG=-all,+process start_running || return
    insp wait window 20 visible >/dev/null || fail "window.exe did not start" || return
    sleep 1
    press F2
    wait_vantrel_count 0 10 || fail "Vantrel.exe still runs after the shut-down key" || return
    wait_process_count window.exe 0 5 || fail "window.exe survived the shut-down request" || return
    # Wine's ExitWindowsEx hands the request to wineboot: --shutdown for a
    # shut-down (not a restart), --end-session rather than --kill (no force).
    grep -aqF 'cmdline L"C:\\windows\\system32\\wineboot.exe --end-session --shutdown"' "$APP/../wine.log" ||
        fail "no shut-down without force asked: $(grep -a 'wineboot.exe' "$APP/../wine.log" | head -n1)" || return
    local told
    told=$(tr -d '\r' <"$APP/window.log" | tr '\n' ' ')
    [[ $told == "started queryend endsession=1 " ]] ||
        fail "window.exe was not told the session ends (its log: $told)" || return
}
