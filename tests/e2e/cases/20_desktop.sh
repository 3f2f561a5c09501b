# shellcheck shell=bash
# The program among other windows: F12 raises a covered or minimised main
# window, dialogs stand above it and survive a pause, the tray brings a
# modal dialog forward, and a close request from outside or the end of the
# session ends the program in order. Uses tray_* from 14_tray.sh.
E2E_CASES+=(close_request stacking)

# Position of the visible window titled $1 in the stacking order (EnumWindows
# lists top-level windows top first); empty when there is none.
stack_index() {
    insp list | awk -F'\t' -v t="title=$1" '$NF == t && /visible=1/ { print NR; exit }'
}

# True when the visible window titled $1 lies above the one titled $2.
above() {
    local a b
    a=$(stack_index "$1")
    b=$(stack_index "$2")
    [[ -n $a && -n $b ]] && ((a < b))
}

# Sends $2 to window $1 and checks the program ended in order: no process
# left, its last tray call removed the icon, and the next start works.
ends_in_order() {
    local answer
    answer=$(insp send "$1" "$2") || fail "no window $1 to send $2 to" || return
    wait_vantrel_count 0 10 || fail "$2 to $1 left Vantrel running ($answer)" || return
    [[ $(notify_calls | tail -n1) == 2 ]] || fail "$2 to $1 ended Vantrel without removing its icon" || return
    WINEDEBUG=-all,+systray start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel did not start again after $2 to $1" || return
    sleep 2
    [[ $(vantrel_count) == 1 ]] || fail "the start after $2 to $1 did not stay (single-instance lock kept?)" || return
    if insp find 程序已经运行 >/dev/null; then fail "the start after $2 to $1 found a copy running" || return; fi
}

case_close_request() {
    # Notepad keeps Wine's desktop, and its taskbar, up between the starts.
    start_in_prefix notepad
    wait_process_count notepad.exe 1 20 || fail "Notepad did not start" || return
    tray_start || return
    # The user's own close command on the hidden main window still asks how.
    insp send Vantrel sysclose >/dev/null || fail "no main window" || return
    insp wait 退出选择 5 visible >/dev/null || fail "Alt+F4's SC_CLOSE no longer opens 退出选择" || return
    insp click 退出选择 "返回(&B)" >/dev/null
    insp wait 退出选择 5 gone || fail "返回 did not close the chooser" || return
    # Asked whether the session may end: yes, and nothing shows.
    local before after
    before=$(visible_window_count)
    [[ $(insp send Vantrel queryend) == answer=1 ]] || fail "WM_QUERYENDSESSION not answered yes" || return
    [[ $(insp send class=VantrelTray endcancelled) == answer=0 ]] || fail "WM_ENDSESSION(FALSE) got no answer" || return
    sleep 1
    after=$(visible_window_count)
    [[ $(vantrel_count) == 1 && $before == "$after" ]] ||
        fail "a cancelled end of session changed something ($before -> $after visible windows)" || return
    # Every window of the program ends it in order, the hidden ones included.
    ends_in_order Vantrel close || return
    ends_in_order class=VantrelTray close || return
    ends_in_order class=VantrelOwner close || return
    ends_in_order class=VantrelOwner endsession || return
}

case_stacking() {
    tray_start || return
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    local band=""
    [[ $(field "$(insp find Vantrel)" topmost) == 1 ]] && band=topmost
    start_in_prefix "$INSPECT" cover 120 $band
    insp wait cover 10 visible >/dev/null || fail "the cover window did not show" || return
    sleep 0.5
    above cover Vantrel || fail "the cover window is not over the main window" || return
    # Shown but covered: F12 raises it.
    press F12
    sleep 0.5
    above Vantrel cover || fail "F12 left the shown main window under the cover" || return
    # Minimised: F12 restores it.
    insp minimize Vantrel >/dev/null
    sleep 1
    [[ $(field "$(insp find Vantrel)" iconic) == 1 ]] || fail "the main window could not be minimised" || return
    press F12
    sleep 0.5
    [[ $(field "$(insp find Vantrel)" iconic) == 0 ]] || fail "F12 left the main window minimised" || return

    # From the tray, over the always-on-top main window: About stands above it.
    tray_choose about || fail "tray menu did not open for About" || return
    insp wait 关于Vantrel 5 visible >/dev/null || fail "关于软件... opened no About window" || return
    above 关于Vantrel Vantrel || fail "About from the tray came up behind the main window" || return
    insp click 关于Vantrel 关闭 >/dev/null
    insp wait 关于Vantrel 5 hidden >/dev/null || fail "关闭 did not close About" || return

    # 设置 from the tray, then a pause: the dialog lives on and still works.
    e2e_park_pointer
    tray_choose more || fail "tray menu did not open for 更多设置" || return
    insp wait 设置 5 visible >/dev/null || fail "更多设置... opened no 设置" || return
    above 设置 Vantrel || fail "设置 from the tray came up behind the main window" || return
    e2e_park_pointer
    tray_choose pause || fail "tray menu did not open for the pause" || return
    if insp find Vantrel >/dev/null; then fail "the pause left the main window" || return; fi
    [[ $(field "$(insp find 设置)" visible) == 1 ]] || fail "the pause took 设置 with the main window" || return
    insp click 设置 完成配置 >/dev/null || fail "设置 has no 完成配置 after the pause" || return
    insp wait 设置 5 gone || fail "设置 does not close after the pause" || return
    e2e_park_pointer
    tray_choose resume || fail "tray menu did not open to resume" || return
    insp wait Vantrel 5 hidden >/dev/null || fail "resume did not bring the main window back" || return

    # A modal dialog up: the icon brings it forward, no menu acts behind it.
    e2e_park_pointer
    tray_choose exit || fail "tray menu did not open for 退出软件" || return
    insp wait 确定退出 5 visible >/dev/null || fail "no 确定退出" || return
    local x y
    read -r x y <<<"$(tray_icon_point)"
    click_at "$x" "$y" class=Shell_TrayWnd 3 || return
    sleep 0.7
    if insp list | grep -q 'class=#32768.*visible=1\|visible=1.*class=#32768'; then
        fail "the tray menu opened under the modal 确定退出" || return
    fi
    above 确定退出 cover || fail "the icon did not bring 确定退出 forward" || return
    xdotool key Escape
    insp wait 确定退出 5 gone || fail "Escape did not answer 否 in 确定退出" || return
    [[ $(vantrel_count) == 1 ]] || fail "Escape in 确定退出 ended the program" || return
}
