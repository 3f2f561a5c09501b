# shellcheck shell=bash
# A binding made and saved with the keyboard alone: Tab to the add row's
# chooser, open its list and pick F6, Tab to "添加" and press Enter, type the
# path into the file dialog, Tab to "保存设置" and press Space.
E2E_CASES+=(keyboard_only)

case_keyboard_only() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 2
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "main window not shown by F12" || return
    sleep 0.5
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
    local dialog="添加一个应用程序 — Vantrel"
    insp wait "$dialog" 10 visible >/dev/null || fail "Enter on 添加 opened no file dialog" || return
    local target
    target=$(app_path probe.exe)
    xdotool type --delay 20 "$target"
    sleep 0.3
    xdotool key Return
    insp wait "$dialog" 10 gone || fail "the file dialog did not close on Enter" || return
    sleep 0.5

    tab_until '[[ $(field "$FOCUS" text) == 保存设置 ]]' || fail "Tab never reached 保存设置" || return
    key_hold space
    sleep 1
    local want
    want=$(printf 'F6   %s\r\n' "$target" | iconv -f UTF-8 -t GBK | od -An -tx1)
    [[ -f $APP/Custom.dll && $(od -An -tx1 <"$APP/Custom.dll") == "$want" ]] ||
        fail "Custom.dll after the keyboard save: '$(tr -d '\r' <"$APP/Custom.dll" 2>/dev/null)'" || return
    local log="$APP/probe.log"
    press F6
    wait_lines "$log" 1 5 || fail "F6 did not launch the file bound by keyboard" || return
}
