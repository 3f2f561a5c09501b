# shellcheck shell=bash
# A binding made with the mouse: F5 picked in the add row, "添加" opens the
# real file dialog, a typed path is added, "保存设置" writes Custom.dll, and
# from then on F5 launches the file.
E2E_CASES+=(add_entry)

case_add_entry() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 2
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "main window not shown by F12" || return
    sleep 0.5

    pick_with_mouse 6 4 || fail "the add row's list did not open" || return
    [[ $(chooser_text 6) == F5 ]] || fail "add row shows '$(chooser_text 6)' after picking F5" || return
    click_control "$(control_line Button 添加)"
    local dialog="添加一个应用程序 — Vantrel"
    insp wait "$dialog" 10 visible >/dev/null || fail "no file dialog titled $dialog" || return
    e2e_shot dialog
    local target
    target=$(app_path probe.exe)
    xdotool type --delay 20 "$target"
    sleep 0.3
    xdotool key Return
    insp wait "$dialog" 10 gone || fail "the file dialog did not close on Enter" || return
    sleep 0.5
    local list
    list=$(main_controls | awk -F'\t' '$1 == "class=ListBox"')
    [[ -n $list ]] || fail "no list box in the main window" || return
    [[ $(chooser_text 6) == 无 ]] || fail "add row not back on 无 after adding" || return

    click_control "$(control_line Button 保存设置)"
    sleep 1
    local want
    want=$(printf 'F5   %s\r\n' "$target" | iconv -f UTF-8 -t GBK | od -An -tx1)
    [[ -f $APP/Custom.dll ]] || fail "Custom.dll was not written" || return
    [[ $(od -An -tx1 <"$APP/Custom.dll") == "$want" ]] ||
        fail "Custom.dll holds '$(tr -d '\r' <"$APP/Custom.dll")'" || return
    e2e_shot saved

    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "F5 did not launch the added file" || return
}
