# shellcheck shell=bash
# The exit chooser and the confirmation from the main window: their buttons
# and focus, hiding while monitoring goes on, and every way back.
E2E_CASES+=(exit_dialogs)

case_exit_dialogs() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    start_and_show_main || return
    click_control "$(control_line Button 结束程序)" || return
    insp wait 退出选择 5 visible >/dev/null || fail "结束程序 opened no window titled 退出选择" || return
    local texts
    texts=$(insp texts 退出选择)
    for caption in "完成配置继续监视热键(&D)" "结束进程不监视热键(&X)" "返回(&B)" "结束程序"; do
        grep -qF "text=$caption" <<<"$texts" || fail "退出选择 has no control '$caption'" || return
    done
    [[ $(field "$(insp focus 退出选择)" text) == "完成配置继续监视热键(&D)" ]] ||
        fail "the chooser opens with the focus on '$(field "$(insp focus 退出选择)" text)'" || return
    [[ $(field "$(insp find Vantrel | head -n1)" enabled) == 0 ]] || fail "the main window takes input under the chooser" || return

    insp click 退出选择 "结束进程不监视热键(&X)" >/dev/null
    insp wait 确定退出 5 visible >/dev/null || fail "no confirmation titled 确定退出" || return
    [[ $(field "$(insp focus 确定退出)" text) == 是 ]] || fail "the confirmation opens without the focus on 是" || return
    insp click 确定退出 否 >/dev/null
    insp wait 确定退出 5 gone || fail "否 did not close the confirmation" || return
    insp wait 退出选择 3 visible >/dev/null || fail "否 did not return to the chooser" || return

    insp click 退出选择 "返回(&B)" >/dev/null
    insp wait 退出选择 5 gone || fail "返回 did not close the chooser" || return
    local main
    main=$(insp find Vantrel | head -n1)
    [[ $(field "$main" visible) == 1 && $(field "$main" enabled) == 1 ]] || fail "返回 did not give the window back: $main" || return

    click_control "$(control_line Button 结束程序)" || return
    insp wait 退出选择 5 visible >/dev/null || fail "the chooser did not open again" || return
    insp click 退出选择 "完成配置继续监视热键(&D)" >/dev/null
    insp wait 退出选择 5 gone || fail "the chooser did not close" || return
    insp wait Vantrel 5 hidden >/dev/null || fail "the main window did not hide" || return
    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "F5 does not launch once the window is hidden" || return
}
