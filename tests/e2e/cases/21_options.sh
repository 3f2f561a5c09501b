# shellcheck shell=bash
# "个性化设置" on the real exe: the window from the 系统 menu, Vantrel.ini as
# it writes it, one launch per press, the pause under a full-screen program,
# and the previous pair of key files restored.
E2E_CASES+=(options_window)

# Opens "个性化设置..." from the main window's 系统 menu (its second item:
# a 3-pixel border, then 18-pixel items at 96 DPI).
open_options() {
    xdotool key alt+s
    local menu l t r b
    menu=$(open_menu) || fail "Alt+S opened no menu" || return
    IFS=, read -r l t r b <<<"$(field "$menu" rect)"
    click_at $(((l + r) / 2)) $((t + 3 + 18 + 9)) "hwnd=$(field "$menu" hwnd)" || return
    insp wait 个性化设置 5 visible >/dev/null || fail "个性化设置... opened no window titled 个性化设置" || return
}

# True when the control of 个性化设置 with text $1 is enabled.
options_enabled() {
    [[ $(field "$(insp texts 个性化设置 | awk -F'\t' -v t="text=$1" '$NF == t { print; exit }')" enabled) == 1 ]]
}

# Answers the message box titled $1 with its button $2.
answer_box() {
    insp wait "$1" 5 visible >/dev/null || fail "no message box titled $1" || return
    insp click "$1" "$2" >/dev/null
    insp wait "$1" 5 gone || fail "the box $1 did not close" || return
}

case_options_window() {
    install_probe probe.exe
    local first="无,无,无,无,无,无,无"
    write_gbk_line "$APP/Function.dll" "$first"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    start_and_show_main || return
    open_options || return
    local texts caption
    texts=$(insp texts 个性化设置)
    for caption in 全屏程序在前台时暂停热键 "关机和重启前倒数 5 秒（可取消）" 按住热键不重复启动 \
        程序已在运行时切换到它的窗口 恢复上一次保存的设置 确定 取消; do
        grep -qF "text=$caption" <<<"$texts" || fail "个性化设置 has no control '$caption'" || return
    done
    options_enabled 恢复上一次保存的设置 && { fail "恢复上一次保存的设置 is enabled before any save" || return; }
    [[ $(field "$(insp find Vantrel)" enabled) == 0 ]] || fail "the main window takes input under 个性化设置" || return
    insp click 个性化设置 按住热键不重复启动 >/dev/null
    insp click 个性化设置 全屏程序在前台时暂停热键 >/dev/null
    insp click 个性化设置 确定 >/dev/null
    insp wait 个性化设置 5 gone || fail "确定 did not close 个性化设置" || return
    local want
    want=$(printf 'FullScreenPause=1\r\nShutdownCountdown=0\r\nOneLaunchPerPress=1\r\nSwitchToRunning=0\r\n' | od -An -tx1)
    [[ $(od -An -tx1 <"$APP/Vantrel.ini") == "$want" ]] || fail "Vantrel.ini is not what 确定 stored: $(cat -A "$APP/Vantrel.ini")" || return

    # Held for three of the half-second pauses, F5 launches once.
    local log="$APP/probe.log"
    press F5 1.8
    sleep 1
    (($(line_count "$log") == 1)) || fail "F5 held for 1.8 s launched $(line_count "$log") times with one launch per press" || return
    press F5
    wait_lines "$log" 2 5 || fail "F5 pressed again did not launch" || return

    # A full-screen program in front keeps F5 to itself.
    start_in_prefix "$INSPECT" cover 15 full
    insp wait cover 10 visible >/dev/null || fail "the full-screen window did not show" || return
    sleep 0.5
    press F5
    sleep 1
    (($(line_count "$log") == 2)) || fail "F5 launched under a full-screen program" || return
    insp wait cover 20 gone >/dev/null || fail "the full-screen window did not go" || return
    press F5
    wait_lines "$log" 3 5 || fail "F5 does not launch once the full-screen program is gone" || return

    # A save keeps the pair it replaced; 恢复 puts it back, asked first.
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    pick_with_mouse 1 2 || fail "could not pick F3 for restart" || return
    sleep 0.3
    click_control "$(control_line Button 保存设置)" || return
    sleep 1
    [[ $(iconv -f GBK -t UTF-8 <"$APP/Function.dll" | tr -d '\r') == "无,F3,无,无,无,无,无" ]] || fail "the edit was not saved" || return
    open_options || return
    options_enabled 恢复上一次保存的设置 || fail "恢复上一次保存的设置 is disabled after a save" || return
    insp click 个性化设置 恢复上一次保存的设置 >/dev/null
    # The question first, then the word that it is done.
    answer_box 恢复上一次保存的设置 "是(Y)" || return
    insp texts 提示 | grep -qF 'text=已恢复上一次保存的设置。' || fail "no word that the pair was restored" || return
    answer_box 提示 确定 || return
    [[ $(iconv -f GBK -t UTF-8 <"$APP/Function.dll" | tr -d '\r') == "$first" ]] || fail "恢复 did not bring the earlier Function.dll back" || return
    [[ $(chooser_text 1) == 无 ]] || fail "the main window still shows $(chooser_text 1) for restart after 恢复" || return
    insp click 个性化设置 取消 >/dev/null
    insp wait 个性化设置 5 gone || fail "取消 did not close 个性化设置" || return
}
