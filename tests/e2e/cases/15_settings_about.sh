# shellcheck shell=bash
# 总在最前端 asks Windows to take the main window out of the top-most band
# and back; more settings writes the real Run value and reads it back; About shows the
# version, opens the built-in browser window and gives the main window back.
E2E_CASES+=(start_at_log_on about_and_browser)

run_value() {
    e2e_in_prefix "$PREFIX" wine reg query "$1\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" /v Vantrel 2>/dev/null |
        iconv -f GBK -t UTF-8 2>/dev/null | tr -d '\r' | awk '/Vantrel/ && /REG_SZ/ { sub(/.*REG_SZ[ \t]+/, ""); print }'
}

show_main() {
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    start_and_show_main || return
}

# SetWindowPos calls on window $1 (0x...) placing it after $2 (fffffffffffffffe
# for HWND_NOTOPMOST, ffffffffffffffff for HWND_TOPMOST), from Wine's trace.
placed_after() {
    grep -a -c -F "NtUserSetWindowPos hwnd $1, after 0x$2," "$APP/../wine.log"
}

case_start_at_log_on() {
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    WINEDEBUG=-all,+win start_and_show_main || return
    # 总在最前端 takes the main window out of the top-most band and puts it
    # back. Wine keeps WS_EX_TOPMOST on an owned window, so the requests are
    # read from its trace of SetWindowPos.
    local main ontop before
    main=$(field "$(insp find Vantrel)" hwnd)
    ontop=$(main_controls | awk -F'\t' '$NF == "text=总在最前端" { print; exit }')
    [[ -n $main && -n $ontop ]] || fail "no main window or no 总在最前端" || return
    before=$(placed_after "$main" fffffffffffffffe)
    click_control "$ontop" || return
    sleep 0.5
    (($(placed_after "$main" fffffffffffffffe) == before + 1)) ||
        fail "总在最前端 did not ask for HWND_NOTOPMOST: $(grep -a -F "NtUserSetWindowPos hwnd $main," "$APP/../wine.log" | tail -n3)" || return
    before=$(placed_after "$main" ffffffffffffffff)
    click_control "$ontop" || return
    sleep 0.5
    (($(placed_after "$main" ffffffffffffffff) == before + 1)) || fail "总在最前端 did not ask for HWND_TOPMOST again" || return
    [[ $(field "$(insp find Vantrel)" topmost) == 1 ]] || fail "the main window is not top-most again" || return
    click_control "$(control_line Button 更多设置)" || return
    insp wait 设置 5 visible >/dev/null || fail "更多设置 opened no window titled 设置" || return
    [[ $(field "$(insp find Vantrel | head -n1)" enabled) == 0 ]] || fail "the main window stays enabled under 设置" || return
    local texts
    texts=$(insp texts 设置)
    grep -qP 'enabled=0\t.*text=否$' <<<"$texts" || fail "否 is not the current choice without a Run value" || return
    insp click 设置 是 >/dev/null || fail "cannot press 是" || return
    local box
    box=$(insp wait 设置成功 5 visible) || fail "no 设置成功 message after 是" || return
    insp texts 设置成功 | grep -qF 'text=操作已确认，你的设置为“是”' || fail "wrong confirmation text" || return
    insp click 设置成功 "#2" >/dev/null || insp click 设置成功 "#1" >/dev/null
    insp wait 设置成功 5 gone || fail "confirmation still open" || return
    local value
    value=$(run_value HKLM)
    # The exe's path in double quotes (a folder with a blank must not start its first word).
    [[ ${value,,} == "\"$(app_path Vantrel.exe | tr '[:upper:]' '[:lower:]')\"" ]] ||
        fail "HKLM Run holds '$value', expected \"$(app_path Vantrel.exe)\"" || return
    grep -qP 'enabled=0\t.*text=是$' <<<"$(insp texts 设置)" || fail "是 is not the current choice after it was pressed" || return

    insp click 设置 否 >/dev/null
    insp wait 设置成功 5 visible >/dev/null || fail "no 设置成功 message after 否" || return
    insp texts 设置成功 | grep -qF 'text=操作已确认，你的设置为“否”' || fail "wrong confirmation text for 否" || return
    insp click 设置成功 "#2" >/dev/null || insp click 设置成功 "#1" >/dev/null
    insp wait 设置成功 5 gone || fail "confirmation still open" || return
    [[ -z $(run_value HKLM) && -z $(run_value HKCU) ]] || fail "a Run value is left after 否" || return

    insp click 设置 完成配置 >/dev/null
    insp wait 设置 5 gone || fail "完成配置 did not close the window" || return
    local main
    main=$(insp find Vantrel | head -n1)
    [[ $(field "$main" enabled) == 1 && $(field "$main" topmost) == 1 ]] ||
        fail "the main window is not given back enabled and on top: $main" || return
}

case_about_and_browser() {
    show_main || return
    # 帮助(&H) by its access key, then 关于... (its second item).
    xdotool key alt+h
    local menu l t r b
    menu=$(open_menu) || fail "Alt+H opened no menu" || return
    IFS=, read -r l t r b <<<"$(field "$menu" rect)"
    click_at $(((l + r) / 2)) $((b - 3 - (b - t - 6) / 4)) "hwnd=$(field "$menu" hwnd)" || return
    insp wait 关于Vantrel 5 visible >/dev/null || fail "关于... opened no window titled 关于Vantrel" || return
    local texts
    texts=$(insp texts 关于Vantrel)
    grep -qF 'text=V2.0.4 Professional' <<<"$texts" || fail "About does not show the version" || return
    insp click 关于Vantrel 本软件消息 >/dev/null || fail "cannot press 本软件消息" || return
    insp wait 本软件消息 5 visible >/dev/null || fail "no browser window titled 本软件消息" || return
    local browser
    browser=$(insp texts 本软件消息)
    for caption in "后退 (&B)" "前进 (&N)" "停止 (&S)" "刷新 (&R)" "关闭 (&C)"; do
        grep -qF "text=$caption" <<<"$browser" || fail "the browser window has no button $caption" || return
    done
    insp click 本软件消息 "关闭 (&C)" >/dev/null
    insp wait 本软件消息 5 gone || fail "关闭 did not close the browser window" || return
    insp click 关于Vantrel 关闭 >/dev/null
    insp wait 关于Vantrel 5 hidden >/dev/null || fail "关闭 did not hide About" || return
    local main
    main=$(insp find Vantrel | head -n1)
    [[ $(field "$main" enabled) == 1 && $(field "$main" topmost) == 1 ]] ||
        fail "About's 关闭 does not give the main window back: $main" || return
}
