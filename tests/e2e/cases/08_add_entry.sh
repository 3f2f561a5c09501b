# shellcheck shell=bash
# A binding made with the mouse: F5 picked in the add row, "添加" opens the
# real file dialog, a typed path is added, "保存设置" writes Custom.dll, and
# from then on F5 launches the file.
E2E_CASES+=(add_entry)

case_add_entry() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_and_show_main || return
    # The splash stays topmost for its six seconds; a pick unticks
    # 总在最前端, and the main window would go below it.
    splash_gone || fail "the splash did not go" || return

    pick_with_mouse 6 4 || fail "the add row's list did not open" || return
    [[ $(chooser_text 6) == F5 ]] || fail "add row shows '$(chooser_text 6)' after picking F5" || return
    click_control "$(control_line Button 添加)" || return
    local target
    target=$(app_path probe.exe)
    add_through_dialog "$target" || return
    local list
    list=$(main_controls | awk -F'\t' '$1 == "class=ListBox"')
    [[ -n $list ]] || fail "no list box in the main window" || return
    [[ $(chooser_text 6) == 无 ]] || fail "add row not back on 无 after adding" || return

    click_control "$(control_line Button 保存设置)" || return
    sleep 1
    custom_dll_is "F5   $target" || fail "Custom.dll holds '$(tr -d '\r' <"$APP/Custom.dll" 2>/dev/null)'" || return

    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "F5 did not launch the added file" || return
}
