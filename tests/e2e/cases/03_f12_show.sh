# shellcheck shell=bash
# An ordinary start keeps the main window hidden until F12 is held.
E2E_CASES+=(f12_show)

case_f12_show() {
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_running || return
    sleep 2
    local main
    if main=$(insp find Vantrel) && [[ $(field "$(head -n1 <<<"$main")" visible) == 1 ]]; then
        fail "main window visible before F12" || return
    fi
    press F12
    main=$(insp wait Vantrel 5 visible) || fail "main window not visible within 5 s of F12" || return
}
