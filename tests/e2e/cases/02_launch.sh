# shellcheck shell=bash
# A bound function key held once launches its target exactly once, in the
# program folder, shown normally; an F10 entry (target from character 7)
# launches too. Until then the hidden main window has no control windows and
# the DLLs loaded on first need are not loaded (the splash, all pictures,
# needs no common controls).
E2E_CASES+=(launch)

case_launch() {
    install_probe probe.exe
    install_probe probe10.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe),F10   $(app_path probe10.exe)"
    start_running || return
    sleep 2
    if main=$(insp find Vantrel) && [[ $(field "$(head -n1 <<<"$main")" visible) == 1 ]]; then
        fail "ordinary start shows the main window" || return
    fi
    # Hidden, it is one window: no control windows yet, and none of the DLLs
    # only a window, a sound or the browser needs.
    [[ -z $(insp texts Vantrel) ]] || fail "the hidden main window already has control windows" || return
    local maps dll
    maps=$(vantrel_maps) || return
    for dll in winmm.dll oleaut32.dll comctl32.dll; do
        ! grep -qi "/$dll\$" <<<"$maps" || fail "$dll is loaded before anything needs it" || return
    done

    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "F5 did not launch probe.exe within 5 s" || return
    sleep 1.5
    (($(line_count "$log") == 1)) || fail "one F5 hold launched $(line_count "$log") times" || return
    launched_as_asked "$log" 1 probe.exe || return

    press F10
    wait_lines "$log" 2 5 || fail "F10 did not launch probe10.exe within 5 s" || return
    sleep 1.5
    (($(line_count "$log") == 2)) || fail "after F10 probe.log has $(line_count "$log") lines, expected 2" || return
    launched_as_asked "$log" 2 probe10.exe || return
}
