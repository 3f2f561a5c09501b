# shellcheck shell=bash
# Helpers for the e2e cases (sourced by run.sh after scripts/e2e-env.sh).
# A case runs with PREFIX (its own copy of the template prefix), APP (a fresh
# program folder holding Vantrel.exe) and APP_WIN (APP as a Windows path);
# what later cases reuse goes in E2E_SHARED, never elsewhere in E2E_DIR:
# cases run in two streams at once, and each stream has its own E2E_SHARED.
# A case function returns 0 on success or calls `fail REASON` and returns 1.

E2E_CASES=()
PREFIX=
APP=
APP_WIN=
CASE_NAME=
BACKGROUND_PIDS=()

fail() {
    FAIL_REASON=$*
    return 1
}

# A tool that a count or a check read from failed. The case fails with this
# reason whatever its caller makes of the empty answer (run.sh reads the
# file after the case), so a failed tool never reads as 0 or as "absent".
tool_error() {
    printf '%s\n' "$*" >>"$TOOL_ERRORS"
    return 1
}

# A fault this machine cannot stage (no mount, no immutable flag). Run as
# root, as CI runs, every fault can be staged, so the case fails; elsewhere
# the part is reported SKIPPED and counted in the summary.
cannot_stage() {
    if ((EUID == 0)); then
        fail "cannot stage as root: $*"
        return 1
    fi
    echo "SKIPPED $CASE_NAME: $*"
    SKIPPED=$((SKIPPED + 1))
}

e2e_case_setup() {
    CASE_NAME=$1
    PREFIX="$E2E_DIR/prefixes/$CASE_NAME"
    APP="$E2E_DIR/work/$CASE_NAME/app"
    rm -rf "$E2E_DIR/work/$CASE_NAME"
    mkdir -p "$APP"
    TOOL_ERRORS="$E2E_DIR/work/$CASE_NAME/tool-errors"
    APP_WIN=$(winepath_of "$APP")
    cp "$VANTREL_EXE" "$APP/Vantrel.exe"
    rm -f "$SHOTS/$CASE_NAME"*.png
    e2e_copy_prefix "$TEMPLATE" "$PREFIX" || { FAIL_REASON="cannot copy the template prefix"; return 1; }
    # The first process starts the wineserver and the "shell" desktop; then
    # the pointer over the desktop gives Wine the keyboard.
    insp procs >/dev/null || { FAIL_REASON="inspect.exe does not run in the prefix"; return 1; }
    e2e_park_pointer
}

e2e_case_teardown() {
    local pid
    if [[ -n "$PREFIX" ]]; then
        e2e_stop_prefix "$PREFIX"
        for pid in "${BACKGROUND_PIDS[@]}"; do
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        done
        rm -rf "$PREFIX"
    fi
    # What a fault case did to the program folder.
    if [[ -n "$APP" && -d "$APP" ]]; then
        chattr -i "$APP" 2>/dev/null || true
        mountpoint -q "$APP" && { umount "$APP" 2>/dev/null || umount -l "$APP" 2>/dev/null || true; }
    fi
    BACKGROUND_PIDS=()
    PREFIX=
}

# Screenshot of the whole screen into build/e2e/shots/<case>[-suffix].png.
e2e_shot() {
    local file="$SHOTS/$CASE_NAME${1:+-$1}.png"
    timeout 10 import -window root "$file" >/dev/null 2>&1 || true
}

# The inspector in this case's prefix.
insp() {
    e2e_inspect "$PREFIX" "$INSPECT" "$@"
}

# Starts a Windows program in this case's prefix in the background, from
# another working directory (/). Sets LAST_PID to the wine process.
start_in_prefix() {
    (cd / && WINEPREFIX="$PREFIX" exec wine "$@" >>"$APP/../wine.log" 2>&1) &
    LAST_PID=$!
    BACKGROUND_PIDS+=("$LAST_PID")
}

# Starts Vantrel.exe of the program folder; started from /, launches prove
# they get the program folder explicitly.
start_vantrel() {
    start_in_prefix "$APP/Vantrel.exe"
}

# Number of running processes of executable $1 in the prefix (the inspector
# exits 1, silent, when none runs).
process_count() {
    local out status=0
    out=$(insp procs "$1") || status=$?
    if ((status == 0)) && [[ -n $out ]]; then
        grep -c '^pid=' <<<"$out"
    elif ((status == 1)) && [[ -z $out ]]; then
        echo 0
    else
        tool_error "inspect procs $1 failed (exit $status)"
    fi
}

# Waits up to $3 seconds until process_count of $1 equals $2.
wait_process_count() {
    local exe=$1 want=$2 end=$((SECONDS + $3))
    while ((SECONDS <= end)); do
        [[ $(process_count "$exe") == "$want" ]] && return 0
        sleep 0.3
    done
    return 1
}

# Number of visible top-level windows.
visible_window_count() {
    local out
    out=$(insp list) || { tool_error "inspect list failed"; return 1; }
    grep -c 'visible=1' <<<"$out"
}

vantrel_count() {
    process_count Vantrel.exe
}

wait_vantrel_count() {
    wait_process_count Vantrel.exe "$1" "$2"
}

# Writes UTF-8 text $2 to file $1 as one GBK line ending in CR LF.
write_gbk_line() {
    printf '%s\n' "$2" | e2e_to_gbk_crlf >"$1"
}

# Number of lines in a file (0 if it does not exist).
line_count() {
    [[ -e "$1" ]] || { echo 0; return; }
    local n status=0
    n=$(grep -c . "$1") || status=$?
    ((status <= 1)) || { tool_error "cannot read $1"; return 1; }
    echo "$n"
}

# Waits up to $3 seconds until file $1 has at least $2 lines.
wait_lines() {
    local end=$((SECONDS + $3))
    while ((SECONDS <= end)); do
        (($(line_count "$1") >= $2)) && return 0
        sleep 0.2
    done
    return 1
}

# The value of field $2 (e.g. text, visible) in one tab-separated inspector line $1.
field() {
    printf '%s\n' "$1" | tr '\t' '\n' | sed -n "s/^$2=//p" | head -n1
}

# Puts probe.exe into the program folder as $1 (default probe.exe).
install_probe() {
    cp "$PROBE" "$APP/${1:-probe.exe}"
}

# Checks line $2 of probe log $1: probe $3 was started in the program folder
# and asked to show its window normally (SW_SHOWNORMAL), so a launch opened
# minimised or hidden fails.
launched_as_asked() {
    local line cwd bare show
    line=$(sed -n "${2}p" "$1" | tr -d '\r')
    [[ -n $line ]] || fail "launch $2 of $3 is not in $(basename "$1")" || return
    [[ $(field "$line" cmd) == *"\\$3"* ]] || fail "launch $2 started something else: $line" || return
    cwd=$(field "$line" cwd)
    bare=${cwd%\\}
    [[ ${bare,,} == "${APP_WIN,,}" ]] ||
        fail "$3 ran in '$cwd', expected '$APP_WIN'" || return
    show=$(field "$line" show)
    [[ $show == "1 normal" ]] || fail "$3 was started with show state '$show', expected 1 normal (SW_SHOWNORMAL)" || return
}

# Windows path of a file in the program folder.
app_path() {
    printf '%s\\%s' "$APP_WIN" "$1"
}

# Holds key $1 with the pointer over the desktop.
press() {
    e2e_park_pointer
    e2e_hold_key "$1" "${2:-0.3}"
}

# The notification area (the right end of the taskbar) as one row: black
# where a column shows the key cap's blue of the program's icon.
tray_row() {
    local sw sh
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    timeout 10 import -window root -crop "300x24+$((sw - 300))+$((sh - 24))" +repage png:- 2>/dev/null |
        convert png:- -fuzz 3% -fill black -opaque '#4A8FE0' -fill white +opaque black \
            -scale "300x1!" -depth 8 txt:-
}

# Icons of the program in the notification area: runs of such columns.
tray_icon_count() {
    local row
    row=$(tray_row) && (($(wc -l <<<"$row") == 301)) ||
        { tool_error "cannot read the notification area from the screen"; return 1; }
    awk 'NR > 1 { dark = $0 !~ /#FFFFFF/; if (dark && !inRun) runs++; inRun = dark }
         END { print runs + 0 }' <<<"$row"
}

# ---- The main window's controls, found by class, text and place ----

# The inspector's lines for the children of the main window.
main_controls() {
    insp texts Vantrel
}

# The first line of `main_controls` with class $1 and text $2.
control_line() {
    main_controls | awk -F'\t' -v cls="class=$1" -v txt="text=$2" '$1 == cls && $NF == txt { print; exit }'
}

# The centre "x y" of an inspector rect field "l,t,r,b".
rect_centre() {
    local l t r b
    IFS=, read -r l t r b <<<"$1"
    printf '%d %d\n' $(((l + r) / 2)) $(((t + b) / 2))
}

# Chooser $1 (0-5 the system rows, 6 the add row) as an inspector line. The
# add row lies above the system rows; those run down the left column, then
# down the right one.
chooser_line() {
    local want=$1 lines
    lines=$(main_controls | awk -F'\t' '$1 == "class=ComboBox"' |
        while IFS= read -r line; do
            IFS=, read -r l t r b <<<"$(field "$line" rect)"
            printf '%d\t%d\t%s\n' "$t" "$l" "$line"
        done | sort -n -k1,1 -k2,2 | cut -f3-)
    local add
    add=$(sed -n 1p <<<"$lines")
    local -a rows
    mapfile -t rows < <(sed -n '2,$p' <<<"$lines")
    # Rows come in pairs (left, right) by top; split them into columns.
    local -a lefts=() rights=()
    local i
    for ((i = 0; i < ${#rows[@]}; i += 2)); do
        lefts+=("${rows[i]}")
        rights+=("${rows[i + 1]}")
    done
    case $want in
    6) printf '%s\n' "$add" ;;
    0 | 1 | 2) printf '%s\n' "${lefts[want]}" ;;
    3 | 4 | 5) printf '%s\n' "${rights[want - 3]}" ;;
    esac
}

# Moves the pointer to x y (with a step first, so Wine notices) and clicks
# button $4 (default 1, the left one), once the inspector says the click
# reaches the intended window $3:
# "hwnd=H" (the control H or a window inside it) or "class=C" (a window of
# that class, e.g. class=#32768 for an open menu); without $3, any window
# of the program's. A click that would land elsewhere (the desktop, another
# program, another control) fails instead.
click_at() {
    local x=$1 y=$2 want=${3:-} under
    xdotool mousemove $((x - 3)) $((y - 3)) sleep 0.1 mousemove "$x" "$y" sleep 0.2
    under=$(insp at "$x" "$y") || { tool_error "inspect at $x $y failed"; return 1; }
    case $want in
    hwnd=?*) [[ ,$(field "$under" chain), == *",${want#hwnd=},"* ]] ;;
    class=?*) [[ $(field "$under" class) == "${want#class=}" ]] ;;
    "") want="a window of Vantrel.exe"
        [[ $(field "$under" pid) == "$(field "$(insp procs Vantrel.exe)" pid)" ]] ;;
    *) false ;;
    esac || fail "a click at $x,$y meant for $want would reach $(tr '\t' ' ' <<<"$under")" || return
    xdotool click "${4:-1}"
    sleep 0.3
}

# Clicks the middle of a control given as an inspector line.
click_control() {
    local x y
    [[ -n $(field "$1" hwnd) ]] || fail "no control to click: '$1'" || return
    read -r x y <<<"$(rect_centre "$(field "$1" rect)")"
    click_at "$x" "$y" "hwnd=$(field "$1" hwnd)"
}

# Picks item $2 (0 = "无", 1 = "F2", ...) of chooser $1 with the mouse:
# opens its list with the arrow and clicks the item.
pick_with_mouse() {
    local line l t r b
    line=$(chooser_line "$1")
    IFS=, read -r l t r b <<<"$(field "$line" rect)"
    click_at $((r - 8)) $((t + 10)) "hwnd=$(field "$line" hwnd)" || return
    local list
    list=$(insp list | awk -F'\t' '$0 ~ /class=ComboLBox/ && $0 ~ /visible=1/ { print; exit }')
    [[ -n $list ]] || return 1
    local ll lt lr lb
    IFS=, read -r ll lt lr lb <<<"$(field "$list" rect)"
    local item=$(((lb - lt - 2) / 11))
    click_at $(((ll + lr) / 2)) $((lt + 1 + item * $2 + item / 2)) "hwnd=$(field "$list" hwnd)"
}

# The text a chooser shows.
chooser_text() {
    field "$(chooser_line "$1")" text
}

# The control that has the keyboard focus in the main window's thread.
focused() {
    insp focus Vantrel
}

# Presses Tab until the focus satisfies the shell test in $1 (which may read
# $FOCUS), at most $2 times (default 30).
tab_until() {
    local i
    for ((i = 0; i < ${2:-30}; i++)); do
        FOCUS=$(focused)
        eval "$1" && return 0
        xdotool key Tab
        sleep 0.3
    done
    FOCUS=$(focused)
    eval "$1"
}

# True when the rect of inspector line $1 lies within the rect of line $2.
rect_inside() {
    local a b
    IFS=, read -r -a a <<<"$(field "$1" rect)"
    IFS=, read -r -a b <<<"$(field "$2" rect)"
    ((a[0] >= b[0] && a[1] >= b[1] && a[2] <= b[2] && a[3] <= b[3]))
}

# Holds a key with the pointer left where it is (over a window of the program).
key_hold() {
    xdotool keydown "$1"
    sleep "${2:-0.15}"
    xdotool keyup "$1"
    sleep 0.3
}

# Starts the program on the files already in the program folder and holds
# F12 until the main window shows.
start_and_show_main() {
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 2
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "main window not shown by F12" || return
    sleep 0.5
}

# In the open file dialog titled "添加一个应用程序 — Vantrel": types the
# path $1 and presses Enter, then waits for the dialog to close.
add_through_dialog() {
    local dialog="添加一个应用程序 — Vantrel"
    insp wait "$dialog" 10 visible >/dev/null || fail "no file dialog titled $dialog" || return
    xdotool type --delay 20 "$1"
    sleep 0.3
    xdotool key Return
    insp wait "$dialog" 10 gone || fail "the file dialog did not close on Enter" || return
    sleep 0.5
}

# True when Custom.dll holds exactly the GBK line $1 with CR LF.
custom_dll_is() {
    local want
    want=$(printf '%s\r\n' "$1" | iconv -f UTF-8 -t GBK | od -An -tx1)
    [[ -f $APP/Custom.dll && $(od -An -tx1 <"$APP/Custom.dll") == "$want" ]]
}

# Starts Vantrel.exe and waits until it runs; variables set on the call
# reach the program (WINEDEBUG=-all,+winmm start_running).
start_running() {
    start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running"
}

# The open popup menu (#32768) as an inspector line, waited for up to 4 s.
open_menu() {
    local i menu
    for ((i = 0; i < 20; i++)); do
        menu=$(insp list | awk -F'\t' '/class=#32768/ && /visible=1/ { print; exit }')
        [[ -n $menu ]] && { printf '%s\n' "$menu"; return 0; }
        sleep 0.2
    done
    return 1
}

# The memory map (/proc/PID/maps) of this case's running Vantrel.exe.
vantrel_maps() {
    local pid
    for pid in $(pgrep -f 'Vantrel\.exe'); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$PREFIX" || continue
        cat "/proc/$pid/maps" && return 0
    done
    tool_error "no Vantrel.exe process of this prefix to read the memory map of"
    return 1
}

# The splash (the one untitled form) as an inspector line, waiting up to 5 s
# for it to show.
splash_line() {
    local i splash
    for ((i = 0; i < 25; i++)); do
        splash=$(insp list | grep -P 'visible=1\t.*class=VantrelForm\ttitle=$' | head -n1)
        [[ -n $splash ]] && { printf '%s\n' "$splash"; return 0; }
        sleep 0.2
    done
    return 1
}

# Waits until the splash is gone.
splash_gone() {
    local i
    for ((i = 0; i < 50; i++)); do
        insp list | grep -qP 'visible=1\t.*class=VantrelForm\ttitle=$' || return 0
        sleep 0.2
    done
    return 1
}
