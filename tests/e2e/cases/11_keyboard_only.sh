# shellcheck shell=bash
# A binding made and saved with the keyboard alone: Tab to the add row's
# chooser, open its list and pick F6, Tab to "添加" and press Enter, type the
# path into the file dialog, Tab to "保存设置" and press Space.
E2E_CASES+=(keyboard_only)

case_keyboard_only() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_and_show_main || return
    local chooser
    chooser=$(chooser_line 6)
    tab_until 'rect_inside "$FOCUS" "$chooser"' || fail "Tab never reached the add row's chooser (focus: $FOCUS)" || return
    key_hold F4
    local i
    for ((i = 0; i < 5; i++)); do key_hold Down; done
    key_hold Return
    [[ $(chooser_text 6) == F6 ]] || fail "the add row shows '$(chooser_text 6)', expected F6" || return

    tab_until '[[ $(field "$FOCUS" text) == 添加 ]]' || fail "Tab never reached 添加" || return
    key_hold Return
    local target
    target=$(app_path probe.exe)
    add_through_dialog "$target" || return

    tab_until '[[ $(field "$FOCUS" text) == 保存设置 ]]' || fail "Tab never reached 保存设置" || return
    key_hold space
    sleep 1
    custom_dll_is "F6   $target" ||
        fail "Custom.dll after the keyboard save: '$(tr -d '\r' <"$APP/Custom.dll" 2>/dev/null)'" || return
    local log="$APP/probe.log"
    press F6
    wait_lines "$log" 1 5 || fail "F6 did not launch the file bound by keyboard" || return
}
