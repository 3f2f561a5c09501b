# shellcheck shell=bash
# Every window of the program at 96, 144 and 192 DPI, for the pictures in
# docs/ (scripts/docs-shots.sh): the splash, the tray menu, the main window
# and its three menus, more settings, the voice keys with and without the
# add-on, About and the browser window, the exit chooser and the
# confirmation. Each picture is the window's own rectangle, in
# build/e2e/shots/<name>-<dpi>dpi.png. On the way each window is checked to
# lie on the screen with every control that shows a text inside it (the
# skin's strips run on past the edge). Only with E2E_SHOTS=1: it is slow and
# adds nothing to CI that the other cases do not check.
if [[ ${E2E_SHOTS:-} == 1 ]]; then
    E2E_CASES+=(shots_96 shots_144 shots_192)
fi

SHOT_DPI=96

# Saves the screen's rectangle "l,t,r,b" as <name>-<dpi>dpi.png.
shot_rect() {
    local name=$1 l t r b
    IFS=, read -r l t r b <<<"$2"
    ((r > l && b > t)) || return 1
    timeout 10 import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        "$SHOTS/$name-${SHOT_DPI}dpi.png" >/dev/null 2>&1
}

# The visible top-level window titled $2: checks that it lies on the screen
# and every visible control inside it, then saves its picture as $1.
shot_window() {
    local name=$1 title=$2 line rect sw sh l t r b
    line=$(insp wait "$title" 5 visible | awk '/visible=1/ { print; exit }') ||
        fail "no window titled $title for $name" || return
    rect=$(field "$line" rect)
    IFS=, read -r l t r b <<<"$rect"
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    ((l >= 0 && t >= 0 && r <= sw && b <= sh)) ||
        fail "$title ($rect) does not fit the ${sw}x$sh screen at $SHOT_DPI DPI" || return
    local child
    while IFS= read -r child; do
        [[ $(field "$child" visible) == 1 && -n $(field "$child" text) ]] || continue
        rect_inside "$child" "$line" ||
            fail "in $title at $SHOT_DPI DPI, $(field "$child" class) '$(field "$child" text)' ($(field "$child" rect)) lies outside $rect" ||
            return
    done < <(insp texts "$title" | grep -v 'class=Internet Explorer_Server\|class=Shell ')
    # The pointer off the window: no hover state in the picture.
    xdotool mousemove $((sw - 5)) 5
    sleep 0.6
    shot_rect "$name" "$(field "$line" rect)" || fail "screenshot of $title failed" || return
}

# The open popup menu (#32768) as an inspector line.
open_menu() {
    local i menu
    for ((i = 0; i < 20; i++)); do
        menu=$(insp list | awk -F'\t' '/class=#32768/ && /visible=1/ { print; exit }')
        [[ -n $menu ]] && { printf '%s\n' "$menu"; return 0; }
        sleep 0.2
    done
    return 1
}

# The popup menu just opened by $2, pictured as $1 with the pointer on its
# top border: the tray icon's tooltip goes and no item is lit.
open_menu_shot() {
    local menu l t r b
    menu=$(open_menu) || fail "$2 opened no menu at $SHOT_DPI DPI" || return
    IFS=, read -r l t r b <<<"$(field "$menu" rect)"
    xdotool mousemove $(((l + r) / 2)) $((t + 1))
    sleep 1
    shot_rect "$1" "$(field "$menu" rect)" || fail "screenshot of the $1 failed" || return
}

# The main window's menu opened by Alt+$1, pictured as $2; clicks the item
# at fraction $3/$4 of its height when given (from the top).
menu_shot() {
    local menu l t r b
    xdotool key "alt+$1"
    menu=$(open_menu) || fail "Alt+$1 opened no menu at $SHOT_DPI DPI" || return
    sleep 0.3
    shot_rect "$2" "$(field "$menu" rect)" || fail "screenshot of the $2 failed" || return
    if [[ -n ${3:-} ]]; then
        IFS=, read -r l t r b <<<"$(field "$menu" rect)"
        click_at $(((l + r) / 2)) $((t + (b - t) * $3 / $4))
    else
        xdotool key Escape
        sleep 0.3
    fi
}

window_shots() {
    SHOT_DPI=$1
    if ((SHOT_DPI != 96)); then set_dpi "$SHOT_DPI" || fail "could not set LogPixels=$SHOT_DPI" || return; fi
    voice_addon || fail "could not build the voice add-on" || return
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "F2,无,F3,无,无,F11,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\音乐\\我的歌单.m3u,F10   C:\\Program Files\\Notepad++\\notepad++.exe"
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return

    # The splash: the one untitled form, for six seconds after the start.
    local splash i
    for ((i = 0; i < 25; i++)); do
        splash=$(insp list | grep -P 'visible=1\t.*class=VantrelForm\ttitle=$' | head -n1)
        [[ -n $splash ]] && break
        sleep 0.2
    done
    [[ -n $splash ]] || fail "no splash at $SHOT_DPI DPI" || return
    sleep 0.5
    shot_rect splash "$(field "$splash" rect)" || fail "screenshot of the splash failed" || return
    sleep 7
    e2e_park_pointer

    tray_choose || fail "the tray icon opened no menu at $SHOT_DPI DPI" || return
    open_menu_shot tray-menu "the tray icon" || return
    xdotool key Escape
    sleep 0.5

    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    sleep 0.5
    shot_window main-window Vantrel || return

    # The "功能" tab at the bottom left (105, 5910, 885 x 315 twips) opens its menu.
    local main l t r b
    main=$(insp find Vantrel | awk '/visible=1/ { print; exit }')
    IFS=, read -r l t r b <<<"$(field "$main" rect)"
    click_at $((l + 547 * SHOT_DPI / 1440)) $((t + 6067 * SHOT_DPI / 1440))
    open_menu_shot function-menu "the 功能 tab" || return
    xdotool key Escape
    sleep 0.5
    if open_menu >/dev/null; then xdotool key Escape; sleep 0.5; fi

    # 系统(S): its first item opens the voice keys.
    menu_shot s system-menu 1 12 || return
    shot_window voice 语音热键设置 || return
    insp click 语音热键设置 确定 >/dev/null
    insp wait 语音热键设置 5 hidden >/dev/null || fail "确定 did not close the voice-key window" || return

    click_control "$(control_line Button 更多设置)"
    shot_window settings 设置 || return
    insp click 设置 完成配置 >/dev/null
    insp wait 设置 5 gone || fail "完成配置 did not close 设置" || return

    # 帮助(H): 关于... is its second item.
    menu_shot h help-menu 3 4 || return
    shot_window about 关于Vantrel || return
    insp click 关于Vantrel 本软件消息 >/dev/null
    shot_window browser 本软件消息 || return
    insp click 本软件消息 "关闭 (&C)" >/dev/null
    insp wait 本软件消息 5 gone || fail "the browser window did not close" || return
    insp click 关于Vantrel 关闭 >/dev/null
    insp wait 关于Vantrel 5 hidden >/dev/null || fail "About did not close" || return

    click_control "$(control_line Button 结束程序)"
    shot_window exit-chooser 退出选择 || return
    insp click 退出选择 "结束进程不监视热键(&X)" >/dev/null
    shot_window exit-confirm 确定退出 || return
    insp click 确定退出 是 >/dev/null
    wait_vantrel_count 0 10 || fail "是 did not end the program" || return

    # Without the add-on the voice keys show their failure panel.
    rm -f "$APP/tools/yy/on.dll"
    start_and_show_main || return
    sleep 6
    menu_shot s system-menu 1 12 || return
    shot_window voice-missing 语音热键设置 || return
}

# Each DPI on a screen of a size that is set to it in practice: the browser
# window alone is 1191 x 801 pixels at 144 DPI.
shots_on_screen() {
    big_screen_begin "$2" || { big_screen_end; fail "no $2 screen"; return; }
    window_shots "$1"
    local status=$?
    big_screen_end
    return $status
}

case_shots_96() { window_shots 96; }
case_shots_144() { shots_on_screen 144 1920x1080; }
case_shots_192() { shots_on_screen 192 2560x1600; }
