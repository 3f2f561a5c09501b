# shellcheck shell=bash
# A second copy says the program is already running and ends once the box is
# closed; the first copy keeps launching.
E2E_CASES+=(second_copy)

case_second_copy() {
    install_probe probe.exe
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    start_vantrel
    wait_vantrel_count 1 20 || fail "first Vantrel.exe is not running" || return
    sleep 2
    start_vantrel
    local second=$LAST_PID box texts
    box=$(insp wait "程序已经运行" 15 visible) || fail "no visible window titled 程序已经运行 within 15 s" || return
    [[ $(field "$box" class) == "#32770" ]] || fail "程序已经运行 is not a message box: $box" || return
    texts=$(insp texts "程序已经运行") || fail "cannot read the texts of 程序已经运行" || return
    grep -qF $'\ttext=程序已经运行，请不要运行多个《Vantrel》' <<<"$texts" ||
        fail "box text wrong: $(tr '\t\n' ' |' <<<"$texts")" || return
    local buttons
    buttons=$(grep -c '^class=Button' <<<"$texts" || true)
    ((buttons == 1)) || fail "box has $buttons buttons, expected one" || return
    grep -q $'^class=Button\tid=1\t' <<<"$texts" || fail "the button is not OK (id 1)" || return
    if grep -q $'\timage=1\t' <<<"$texts"; then
        fail "box shows an icon" || return
    fi

    [[ $(vantrel_count) == 2 ]] || fail "second copy not running while its box is open" || return
    insp click "程序已经运行" "#1" || fail "cannot click OK" || return
    wait_vantrel_count 1 10 || fail "second copy still running 10 s after OK" || return
    local i
    for ((i = 0; i < 50; i++)); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$second" 2>/dev/null && { fail "wine process of the second copy did not end"; return; }

    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "first copy did not launch on F5 after the second ended" || return
    sleep 1.5
    (($(line_count "$log") == 1)) || fail "one F5 hold launched $(line_count "$log") times" || return
}
