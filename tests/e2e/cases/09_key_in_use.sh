# shellcheck shell=bash
# Picking a key that a list line already uses shows the exact message, and
# the chooser goes back to "无".
E2E_CASES+=(key_in_use)

case_key_in_use() {
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\windows\\notepad.exe"
    start_and_show_main || return
    pick_with_mouse 0 4 || fail "the first chooser's list did not open" || return
    local box texts
    box=$(insp wait 提示 5 visible) || fail "no message titled 提示 after picking F5" || return
    texts=$(insp texts 提示)
    grep -qF $'\ttext=F5功能键已经定义，请选择其它功能键' <<<"$texts" ||
        fail "message text: $(tr '\t\n' ' |' <<<"$texts")" || return
    insp click 提示 "#2" >/dev/null || insp click 提示 "#1" >/dev/null || fail "cannot close the message" || return
    insp wait 提示 5 gone || fail "message still open" || return
    sleep 0.5
    [[ $(chooser_text 0) == 无 ]] || fail "chooser shows '$(chooser_text 0)', expected 无" || return
    # The window is now Edited: "保存设置" can be pressed, "继续监视" not.
    [[ $(field "$(control_line Button 保存设置)" enabled) == 1 ]] || fail "保存设置 not enabled" || return
    [[ $(field "$(control_line Button 继续监视)" enabled) == 0 ]] || fail "继续监视 still enabled" || return
}
