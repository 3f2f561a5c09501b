# shellcheck shell=bash
# The tray icon: its tooltip and menu, pausing and resuming the monitor,
# ending the program from it, and the icon coming back when the taskbar is
# re-created.
E2E_CASES+=(tray_menu tray_pause_resume tray_cycles tray_exit tray_taskbar_recreated)

# The middle of the program's icon: the rightmost column with the blue.
tray_icon_point() {
    local sw sh
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    local x
    x=$(tray_row | awk -F'[ ,:]+' 'NR > 1 && $0 !~ /#FFFFFF/ { x = $1 } END { print x + 0 }')
    ((x > 0)) || return 1
    printf '%d %d\n' $((sw - 300 + x - 5)) $((sh - 11))
}

# Right-clicks the icon, waits for the menu and, when $1 is given, clicks its
# item: set (打开配置窗口), resume, pause, more, about or exit. The menu has
# six items and four separators between a 3-pixel border, items 18 and
# separators 9 pixels high at 96 DPI; other sizes scale with its height.
tray_choose() {
    local x y menu l t r b
    read -r x y <<<"$(tray_icon_point)" || return 1
    # The icon is drawn in the taskbar's own window.
    click_at "$x" "$y" class=Shell_TrayWnd 3 || return
    menu=$(open_menu) || return 1
    [[ -z ${1:-} ]] && return 0
    local at
    case $1 in
    set) at=12 ;; resume) at=39 ;; pause) at=57 ;; more) at=84 ;; about) at=111 ;; exit) at=138 ;;
    *) return 1 ;;
    esac
    IFS=, read -r l t r b <<<"$(field "$menu" rect)"
    click_at $(((l + r) / 2)) $((t + at * (b - t) / 150)) "hwnd=$(field "$menu" hwnd)" || return
    sleep 0.5
}

# The Shell_NotifyIcon messages the program sent (0 add, 2 delete), in order.
notify_calls() {
    grep -a -o 'Shell_NotifyIconW dwMessage = [0-9]*' "$APP/../wine.log" 2>/dev/null | awk '{ print $NF }'
}

tray_start() {
    install_probe probe.exe
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path probe.exe)"
    # Wine's systray trace shows each Shell_NotifyIcon call the program makes.
    WINEDEBUG=-all,+systray start_running || return
    sleep 7  # the splash closes after six seconds
    e2e_park_pointer
}

case_tray_menu() {
    tray_start || return
    (($(tray_icon_count) == 1)) || fail "$(tray_icon_count) tray icons at start" || return
    local x y
    read -r x y <<<"$(tray_icon_point)"
    xdotool mousemove $((x - 3)) "$y" sleep 0.1 mousemove "$x" "$y" sleep 1.5
    insp list | grep -qF $'class=tooltips_class32\ttitle=Vantrel (按 F12 配置)' ||
        fail "no tooltip 'Vantrel (按 F12 配置)' over the icon" || return
    # Left clicks and a double click open nothing.
    xdotool click 1 sleep 0.5 click --repeat 2 1 sleep 0.8
    if insp list | grep -q $'class=#32768.*visible=1\|visible=1.*class=#32768'; then
        fail "a left click opened a menu" || return
    fi
    tray_choose || fail "a right click opened no menu" || return
    # Monitoring: ten items, so the menu is tall; Escape closes it.
    xdotool key Escape
    sleep 0.5
    # No taskbar button for the hidden forms or the main window once shown.
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    local buttons
    buttons=$(WINEPREFIX="$PREFIX" timeout 30 wine "$TRAY_TOOL" buttons 2>/dev/null | tr -d '\r')
    [[ $buttons == "buttons=0" ]] || fail "the program's windows have taskbar buttons: $buttons" || return
}

case_tray_pause_resume() {
    tray_start || return
    tray_choose pause || fail "tray menu did not open" || return
    if insp find Vantrel >/dev/null; then fail "the main window is still there after pausing" || return; fi
    local log="$APP/probe.log"
    press F5
    press F12
    sleep 1.5
    [[ ! -f $log ]] || fail "F5 launched while paused" || return
    if insp find Vantrel >/dev/null; then fail "F12 brought the window back while paused" || return; fi
    # Edited while paused: F6 instead of F5.
    write_gbk_line "$APP/Custom.dll" "F6   $(app_path probe.exe)"
    e2e_park_pointer
    tray_choose resume || fail "tray menu did not open to resume" || return
    insp wait Vantrel 5 hidden >/dev/null || fail "resume did not re-create the hidden main window" || return
    press F6
    wait_lines "$log" 1 5 || fail "F6 from the Custom.dll edited while paused did not launch" || return
    (($(tray_icon_count) == 1)) || fail "$(tray_icon_count) tray icons after a cycle" || return
}

# Ten cycles through the real menu; the endurance run (tests/endurance) drives
# a thousand through the same handlers and measures what they leave behind.
case_tray_cycles() {
    tray_start || return
    local i
    for ((i = 0; i < 10; i++)); do
        tray_choose pause || fail "menu did not open for pause $i" || return
        e2e_park_pointer
        tray_choose resume || fail "menu did not open for resume $i" || return
        e2e_park_pointer
    done
    (($(tray_icon_count) == 1)) || fail "$(tray_icon_count) tray icons after 10 cycles" || return
    (($(notify_calls | grep -c '^0$') == 1)) || fail "the icon was added $(notify_calls | grep -c '^0$') times" || return
    # The splash is the program's one untitled form; it must not come back.
    if insp list | grep -qP 'visible=1\t.*class=VantrelForm\ttitle=$'; then fail "the splash showed again" || return; fi
    local log="$APP/probe.log"
    press F5
    wait_lines "$log" 1 5 || fail "F5 does not launch after 10 cycles" || return
}

case_tray_exit() {
    # Notepad keeps Wine's desktop, and its taskbar, up after the program ends.
    start_in_prefix notepad
    wait_process_count notepad.exe 1 20 || fail "Notepad did not start" || return
    tray_start || return
    tray_choose exit || fail "tray menu did not open" || return
    local box
    box=$(insp wait 确定退出 5 visible) || fail "no confirmation titled 确定退出" || return
    insp texts 确定退出 | grep -qF $'text=你确定要结束Vantrel吗？' || fail "confirmation text wrong" || return
    insp click 确定退出 否 >/dev/null || fail "cannot press 否" || return
    insp wait 确定退出 5 gone || fail "confirmation still open after 否" || return
    sleep 0.5
    [[ $(vantrel_count) == 1 ]] || fail "否 ended the program" || return
    (($(tray_icon_count) == 1)) || fail "the icon went away after 否" || return
    e2e_park_pointer
    tray_choose exit || fail "tray menu did not open again" || return
    insp wait 确定退出 5 visible >/dev/null || fail "no confirmation the second time" || return
    insp click 确定退出 是 >/dev/null
    wait_vantrel_count 0 10 || fail "是 did not end the program" || return
    # Wine tidies the tray after a dead process itself, so look at the calls:
    # the program's last one removed its icon.
    local last
    last=$(notify_calls | tail -n1)
    [[ $last == 2 ]] || fail "the program ended without removing its icon (last call: NIM $last)" || return
}

case_tray_taskbar_recreated() {
    tray_start || return
    WINEPREFIX="$PREFIX" timeout 30 wine "$TRAY_TOOL" remove >/dev/null 2>&1
    sleep 1
    (($(tray_icon_count) == 0)) || fail "the icon did not go with NIM_DELETE" || return
    WINEPREFIX="$PREFIX" timeout 30 wine "$TRAY_TOOL" retaskbar >/dev/null 2>&1
    local i
    for ((i = 0; i < 20; i++)); do
        (($(tray_icon_count) == 1)) && break
        sleep 0.3
    done
    (($(tray_icon_count) == 1)) || fail "the icon did not come back after TaskbarCreated" || return
    tray_choose || fail "the icon that came back opens no menu" || return
}
