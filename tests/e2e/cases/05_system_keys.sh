# shellcheck shell=bash
# Keys bound to the screen saver and the CD door ask Windows exactly that:
# the screen-saver command sent to the main window and handed to the
# default handling (Wine's message trace), the two CD door commands (its MCI
# trace), each once per press; the monitor goes on launching. The start-page
# key asks the shell to open the "Start Page" of the registry (here a probe
# program, so the launch can be seen).
E2E_CASES+=(system_keys)

# Lines of this case's Wine trace that match the extended regex $1.
traced() {
    grep -a -E "$1" "$APP/../wine.log" 2>/dev/null || true
}

# Holds key $1 and expects exactly $3 lines of the trace to match $2 within 3 s.
press_asks() {
    press "$1"
    local i
    for ((i = 0; i < 15; i++)); do
        (($(traced "$2" | wc -l) >= $3)) && break
        sleep 0.2
    done
    sleep 0.5
    (($(traced "$2" | wc -l) == $3)) ||
        fail "$1 asked '$2' $(traced "$2" | wc -l) times, expected $3 in all" || return
}

case_system_keys() {
    install_probe probe.exe
    install_probe startpage.exe
    WINEPREFIX="$PREFIX" timeout 30 wine reg add 'HKCU\Software\Microsoft\Internet Explorer\Main' \
        /v 'Start Page' /t REG_SZ /d "$(app_path startpage.exe)" /f >/dev/null 2>&1 ||
        fail "cannot set the start page in the Wine registry" || return
    # Screen saver on F2, CD door open on F3, close on F6, start page on F4.
    write_gbk_line "$APP/Function.dll" "无,无,F2,F3,F6,F4,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    WINEDEBUG=-all,+mci,+message start_running || return
    sleep 1.5

    local main
    main=$(field "$(insp find Vantrel)" hwnd)
    [[ -n $main ]] || fail "no main window" || return
    # Spy's lines for the main window: sent to it, then its default handling.
    press_asks F2 "\\($main\\) L\"Vantrel\" +\\[0112\\] WM_SYSCOMMAND sent from self wp=0000f140 lp=00000000" 1 || return
    (($(traced "\\($main\\) +DefWindowProc:\\[0112\\] WM_SYSCOMMAND +wp=0000f140" | wc -l) == 1)) ||
        fail "the main window did not hand SC_SCREENSAVE to the default handling" || return
    press_asks F3 'mciSendStringW \(L"set CDAudio door open", 0000000000000000, 0, 0000000000000000\)' 1 || return
    press_asks F6 'mciSendStringW \(L"set CDAudio door closed", 0000000000000000, 0, 0000000000000000\)' 1 || return
    local log="$APP/probe.log"
    (($(line_count "$log") == 0)) || fail "a system key launched an entry" || return

    press F5
    wait_lines "$log" 1 5 || fail "F5 no longer launches after the system keys" || return
    press F4
    wait_lines "$log" 2 5 || fail "F4 did not open the start page" || return
    sleep 1
    (($(line_count "$log") == 2)) || fail "probe.log has $(line_count "$log") lines, expected 2" || return
    launched_as_asked "$log" 2 startpage.exe || return
}
