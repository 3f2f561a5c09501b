# shellcheck shell=bash
# The program's pictures at 96 DPI compared with the reviewed references in
# tests/e2e/pictures/ (case pictures): the splash, the tray menu, the main
# window at rest and with each image button under the mouse, pressed and
# disabled, with 总在最前端 ticked and not, with hints in the status line,
# its three menus, 设置, 语音热键设置 with and without the add-on, 关于Vantrel
# and the browser window, 退出选择 and 确定退出. Each picture is the window's
# own rectangle, taken with the pointer where the state needs it, in
# build/e2e/shots/<state>-96dpi.png; a difference is drawn in
# build/e2e/pictures/<state>-diff.png (reference, picture, differences in red).
# On the way each window is checked to lie on the screen with every control
# that shows a text inside it.
#
# scripts/pictures.sh --refresh takes the same pictures as new references
# and copies the documented ones to docs/, also at 144 and 192 DPI (cases
# shots_144 and shots_192, only with E2E_SHOTS=1: they compare nothing).
E2E_CASES+=(pictures)
if [[ ${E2E_SHOTS:-} == 1 ]]; then
    E2E_CASES+=(shots_144 shots_192)
fi

# shellcheck source=../pictures.sh
source "$E2E_ROOT/tests/e2e/pictures.sh"

SHOT_DPI=96
PICTURE_REFS="$E2E_ROOT/tests/e2e/pictures"
PICTURE_DIFFS="$E2E_DIR/pictures"
# The states pictured so far in this run, in order, and for each what
# differs from its reference (empty when it matches) and the reference.
PICTURE_STATES=()
declare -A PICTURE_DIFFERS=() PICTURE_REF=()
PICTURE_OK=1

# Saves the screen's rectangle "l,t,r,b" as <state>-<dpi>dpi.png; at 96 DPI
# compares it at once with reference $3 (default: the state's own). Sets
# PICTURE_OK to 1 when it matches; a picture taken again replaces the last.
shot_rect() {
    local name=$1 ref=${3:-$1} l t r b result
    IFS=, read -r l t r b <<<"$2"
    ((r > l && b > t)) || return 1
    timeout 10 import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        "$SHOTS/$name-${SHOT_DPI}dpi.png" >/dev/null 2>&1 || return 1
    PICTURE_OK=1
    ((SHOT_DPI == 96)) || return 0
    [[ -v "PICTURE_REF[$name]" ]] || PICTURE_STATES+=("$name")
    PICTURE_REF[$name]=$ref
    mkdir -p "$PICTURE_DIFFS"
    if result=$(picture_compare "$SHOTS/$name-96dpi.png" "$PICTURE_REFS/$ref.png" "$PICTURE_DIFFS/$name-diff.png"); then
        rm -f "$PICTURE_DIFFS/$name-diff.png"
        PICTURE_DIFFERS[$name]=
    else
        PICTURE_DIFFERS[$name]=$result
        PICTURE_OK=0
    fi
}

# Runs $@ (which pictures one state) up to three times until its picture
# matches: Wine now and then drops a pointer move or paints late. Not when
# refreshing, where there is nothing to match yet.
until_matches() {
    local try
    for try in 1 2 3; do
        "$@" || return
        ((PICTURE_OK)) || [[ ${PICTURES_REFRESH:-} == 1 ]] && return 0
        ((try < 3)) && echo "pictures: $2 differs, taken again" >&2
        sleep 0.5
    done
}

# The visible top-level window titled $1 as an inspector line.
visible_window() {
    insp wait "$1" 5 visible | awk '/visible=1/ { print; exit }'
}

# Checks that the visible window titled $2 lies on the screen with every
# visible control that shows a text, then pictures it as state $1 (compared
# with reference $3 when given) with the pointer left where it is.
shot_window() {
    local name=$1 title=$2 line rect sw sh l t r b
    line=$(visible_window "$title")
    [[ -n $line ]] || fail "no window titled $title for $name" || return
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
    sleep 0.5
    shot_rect "$name" "$rect" "${3:-}" || fail "screenshot of $title failed" || return
}

# The pointer off every window, top right.
pointer_away() {
    local sw sh
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    xdotool mousemove $((sw - 5)) 5
    sleep 0.3
}

# The main window's rectangle "l t r b".
main_rect() {
    local line
    line=$(visible_window Vantrel)
    [[ -n $line ]] || return 1
    IFS=, read -r -a MAIN <<<"$(field "$line" rect)"
}

# Puts the main window back to rest as a mouse crossing it would: the
# pointer over the form's own surface beside the heading (the add row's and
# 删除's faces, the hint, the check box's light), the strip under the menu
# headers (the headers), the bottom panel (the bottom row's faces), then off
# the window. xdotool jumps, so nothing is crossed on the way.
main_rest() {
    main_rect || return 1
    local x=$((MAIN[0] + 450 * SHOT_DPI / 1440))
    xdotool mousemove $((MAIN[0] + 2700 * SHOT_DPI / 1440)) $((MAIN[1] + 1200 * SHOT_DPI / 1440)) sleep 0.2 \
        mousemove "$x" $((MAIN[1] + 800 * SHOT_DPI / 1440)) sleep 0.2 \
        mousemove "$x" $((MAIN[1] + 5300 * SHOT_DPI / 1440)) sleep 0.2
    pointer_away
}

# The main window at rest pictured as state $1 (reference $2).
shot_main_rest() {
    main_rest || fail "no main window for $1" || return
    shot_window "$1" Vantrel "${2:-}"
}

# The pointer on the main window's control (class $1, text $2), stepped there
# so Wine sees the move; sets AT to "x y".
point_at() {
    local line
    line=$(control_line "$1" "$2")
    [[ -n $line ]] || fail "the main window has no $1 '$2'" || return
    AT=$(rect_centre "$(field "$line" rect)")
    local x y
    read -r x y <<<"$AT"
    xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.1 mousemove "$x" "$y"
    sleep 0.4
}

# The main window from rest with the pointer on its control (class $2, text
# $3), pictured as state $1.
shot_hover() {
    main_rest || fail "no main window for $1" || return
    point_at "$2" "$3" || return
    shot_window "$1" Vantrel
}

# Image button $2 under the mouse (state main-$1-hover), then held down with
# mouse button $3 (state main-$1-press) and let go; the pointer stays on it.
shot_button() {
    until_matches shot_hover "main-$1-hover" Button "$2" || return
    local x y
    read -r x y <<<"$AT"
    xdotool mousemove $((x + 1)) "$y" sleep 0.1 mousemove "$x" "$y" sleep 0.2 mousedown "$3"
    sleep 0.4
    until_matches shot_window "main-$1-press" Vantrel || return
    xdotool mouseup "$3"
    sleep 0.4
}

# The popup menu just opened by $2, pictured as state $1 with the pointer on
# its top border (no item lit). Leaves MENU_RECT "l,t,r,b".
open_menu_shot() {
    local menu l t r b
    menu=$(open_menu) || fail "$2 opened no menu at $SHOT_DPI DPI" || return
    MENU_RECT=$(field "$menu" rect)
    IFS=, read -r l t r b <<<"$MENU_RECT"
    xdotool mousemove $(((l + r) / 2)) $((t + 1))
    sleep 0.6
    shot_rect "$1" "$MENU_RECT" || fail "screenshot of the $1 failed" || return
}

# Clicks the open menu's item at fraction $1/$2 of its height.
menu_pick() {
    local l t r b
    IFS=, read -r l t r b <<<"$MENU_RECT"
    click_at $(((l + r) / 2)) $((t + (b - t) * $1 / $2))
}

# The main window from rest with the pointer on menu header $2, pictured as
# state $1 before its tooltip shows (half a second), whose timing would
# decide the picture.
shot_header() {
    main_rest || fail "no main window for $1" || return
    local line x y
    line=$(control_line Static "$2")
    [[ -n $line ]] || fail "the main window has no menu header '$2'" || return
    read -r x y <<<"$(rect_centre "$(field "$line" rect)")"
    AT="$x $y"
    xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.05 mousemove "$x" "$y" sleep 0.15
    shot_rect "$1" "${MAIN[0]},${MAIN[1]},${MAIN[2]},${MAIN[3]}" || fail "screenshot of $1 failed" || return
}

# Menu header $2 (a label of the main window) under the mouse as state
# main-$1-hover, then clicked open as state $1.
header_menu() {
    until_matches shot_header "main-$1-hover" "$2" || return
    xdotool click 1
    open_menu_shot "$1" "$2" || return
}

window_shots() {
    SHOT_DPI=$1
    if ((SHOT_DPI != 96)); then set_dpi "$SHOT_DPI" || fail "could not set LogPixels=$SHOT_DPI" || return; fi
    voice_addon || fail "could not build the voice add-on" || return
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "F2,无,F3,无,无,F11,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\音乐\\我的歌单.m3u,F10   C:\\Program Files\\Notepad++\\notepad++.exe"
    pointer_away
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return

    local splash
    splash=$(splash_line) || fail "no splash at $SHOT_DPI DPI" || return
    sleep 0.5
    shot_rect splash "$(field "$splash" rect)" || fail "screenshot of the splash failed" || return
    splash_gone || fail "the splash did not go" || return
    e2e_park_pointer

    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    sleep 0.5
    # At rest: 总在最前端 ticked, 保存设置 and 删除 disabled.
    until_matches shot_main_rest main-window || return

    # 添加 reacts to any mouse button: the right one presses without a click.
    shot_button add 添加 3 || return
    # 继续监视 hides the window when let go.
    shot_button hide 继续监视 1 || return
    insp wait Vantrel 5 hidden >/dev/null || fail "继续监视 did not hide the main window" || return
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window again" || return

    # 总在最前端: lit under the mouse, then cleared and ticked again by clicks.
    until_matches shot_hover main-ontop-hover Static 总在最前端 || return
    xdotool click 1
    sleep 0.4
    until_matches shot_main_rest main-ontop-off || return
    point_at Static 总在最前端 || return
    xdotool click 1
    sleep 0.4
    until_matches shot_main_rest main-window-again main-window || return

    # 系统(S): its first item opens the voice keys.
    header_menu system-menu "系统(&S)" || return
    menu_pick 1 12
    until_matches shot_window voice 语音热键设置 || return
    insp click 语音热键设置 确定 >/dev/null
    insp wait 语音热键设置 5 hidden >/dev/null || fail "确定 did not close the voice-key window" || return

    # 帮助(H): 关于... is its second item.
    header_menu help-menu "帮助(&H)" || return
    menu_pick 3 4
    until_matches shot_window about 关于Vantrel || return
    insp click 关于Vantrel 本软件消息 >/dev/null
    until_matches shot_window browser 本软件消息 || return
    insp click 本软件消息 "关闭 (&C)" >/dev/null
    insp wait 本软件消息 5 gone || fail "the browser window did not close" || return
    insp click 关于Vantrel 关闭 >/dev/null
    insp wait 关于Vantrel 5 hidden >/dev/null || fail "About did not close" || return

    # The "功能" tab at the bottom left.
    until_matches shot_hover main-function-menu-hover VantrelPicture 功能 || return
    xdotool click 1
    open_menu_shot function-menu "the 功能 tab" || return
    xdotool key Escape
    sleep 0.5
    if open_menu >/dev/null; then xdotool key Escape; sleep 0.5; fi

    # 更多设置 opens 设置 when let go.
    shot_button more 更多设置 1 || return
    until_matches shot_window settings 设置 || return
    insp click 设置 完成配置 >/dev/null
    insp wait 设置 5 gone || fail "完成配置 did not close 设置" || return

    # A line picked in the list enables 删除; deleting it enables 保存设置
    # and disables 继续监视 and 删除.
    local list
    list=$(main_controls | awk -F'\t' '$1 == "class=ListBox" { print; exit }')
    [[ -n $list ]] || fail "the main window has no list" || return
    local l t r b
    IFS=, read -r l t r b <<<"$(field "$list" rect)"
    click_at $((l + 40)) $((t + 8))
    until_matches shot_main_rest main-list-picked || return
    shot_button delete 删除 3 || return
    point_at Button 删除 && xdotool click 1
    sleep 0.4
    until_matches shot_main_rest main-edited || return
    shot_button save 保存设置 3 || return
    point_at Button 保存设置 && xdotool click 1
    sleep 0.4

    # 结束程序 opens 退出选择 when let go.
    shot_button exit 结束程序 1 || return
    until_matches shot_window exit-chooser 退出选择 || return
    insp click 退出选择 "结束进程不监视热键(&X)" >/dev/null
    until_matches shot_window exit-confirm 确定退出 || return
    insp click 确定退出 是 >/dev/null
    wait_vantrel_count 0 10 || fail "是 did not end the program" || return

    # Without the add-on the voice keys show their failure panel.
    rm -f "$APP/tools/yy/on.dll"
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    splash_line >/dev/null || fail "no splash on the second start" || return
    splash_gone || fail "the splash did not go" || return
    # The tray menu only now, after the main window's states: in one full run
    # with the menu closed by Esc just before them, the first two buttons
    # showed neither hover nor press until a click.
    e2e_park_pointer
    tray_choose || fail "the tray icon opened no menu at $SHOT_DPI DPI" || return
    open_menu_shot tray-menu "the tray icon" || return
    xdotool key Escape
    sleep 0.5
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    xdotool key alt+s
    local menu
    menu=$(open_menu) || fail "Alt+S opened no menu" || return
    MENU_RECT=$(field "$menu" rect)
    menu_pick 1 12
    until_matches shot_window voice-missing 语音热键设置 || return
}

# Fails naming each state whose picture differs from its reference and
# where its diff picture is. With PICTURES_REFRESH=1 makes each picture its
# reference instead (the diff pictures show what changed).
judge_pictures() {
    local state ref differ=()
    ((${#PICTURE_STATES[@]} > 0)) || fail "no pictures taken" || return
    for state in "${PICTURE_STATES[@]}"; do
        ref=${PICTURE_REF[$state]}
        [[ -n ${PICTURE_DIFFERS[$state]} ]] || continue
        printf 'pictures: state %s (reference %s.png): %s; diff picture %s\n' "$state" "$ref" \
            "${PICTURE_DIFFERS[$state]}" "$PICTURE_DIFFS/$state-diff.png" >&2
        differ+=("$state (${PICTURE_DIFFERS[$state]}; $PICTURE_DIFFS/$state-diff.png)")
        if [[ ${PICTURES_REFRESH:-} == 1 && $state == "$ref" ]]; then
            mkdir -p "$PICTURE_REFS"
            cp "$SHOTS/$state-96dpi.png" "$PICTURE_REFS/$ref.png"
        fi
    done
    [[ ${PICTURES_REFRESH:-} == 1 ]] && return 0
    ((${#differ[@]} == 0)) || fail "pictures differ: ${differ[*]}"
}

case_pictures() {
    local start=$SECONDS status=0
    PICTURE_STATES=()
    PICTURE_DIFFERS=()
    PICTURE_REF=()
    window_shots 96 || status=1
    echo "pictures: ${#PICTURE_STATES[@]} states in $((SECONDS - start)) s" >&2
    # Those taken before a failure are judged too.
    local reason=$FAIL_REASON
    judge_pictures || status=1
    [[ -n $reason ]] && FAIL_REASON=$reason
    return $status
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

case_shots_144() { shots_on_screen 144 1920x1080; }
case_shots_192() { shots_on_screen 192 2560x1600; }
