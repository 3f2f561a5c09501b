# shellcheck shell=bash
# Keys bound to the screen saver and the CD door leave the program running and
# monitoring; the start-page key asks the shell to open the "Start Page" of
# the registry (here a probe program, so the launch can be seen).
E2E_CASES+=(system_keys)

case_system_keys() {
    install_probe probe.exe
    install_probe startpage.exe
    WINEPREFIX="$PREFIX" timeout 30 wine reg add 'HKCU\Software\Microsoft\Internet Explorer\Main' \
        /v 'Start Page' /t REG_SZ /d "$(app_path startpage.exe)" /f >/dev/null 2>&1 ||
        fail "cannot set the start page in the Wine registry" || return
    # Screen saver on F2, CD door open on F3, close on F6, start page on F4.
    write_gbk_line "$APP/Function.dll" "无,无,F2,F3,F6,F4,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 1.5

    local log="$APP/probe.log" key
    for key in F2 F3 F6; do
        press "$key"
        sleep 1
        [[ $(vantrel_count) == 1 ]] || fail "Vantrel.exe ended after $key" || return
    done
    (($(line_count "$log") == 0)) || fail "a system key launched an entry" || return

    press F5
    wait_lines "$log" 1 5 || fail "F5 no longer launches after the system keys" || return
    press F4
    wait_lines "$log" 2 5 || fail "F4 did not open the start page" || return
    sleep 1
    (($(line_count "$log") == 2)) || fail "probe.log has $(line_count "$log") lines, expected 2" || return
    [[ $(sed -n 2p "$log") == *'\startpage.exe'* ]] ||
        fail "F4 opened something else: $(sed -n 2p "$log")" || return
    e2e_shot
}
