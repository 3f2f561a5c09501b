# shellcheck shell=bash
# The main window at 96, 144 and 192 DPI (Wine's LogPixels): 4200 x 6300
# twips of client area at the window's DPI, centred on the work area (the pictures
# case compares what it shows at 96 DPI). At 192 DPI the window is 840
# pixels high, so that case runs on a screen of its own, 1600 x 1200.
E2E_CASES+=(dpi_96 dpi_144 dpi_192)

# Sets the prefix's DPI; takes effect for the next wineserver.
set_dpi() {
    local hex
    hex=$(printf '%08x' "$1")
    insp procs >/dev/null
    e2e_in_prefix "$PREFIX" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    e2e_in_prefix "$PREFIX" wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    e2e_stop_prefix "$PREFIX"
    grep -qi "\"LogPixels\"=dword:$hex" "$PREFIX/user.reg" || return 1
    insp procs >/dev/null
    e2e_park_pointer
}

main_window_at_dpi() {
    local dpi=$1
    if ((dpi != 96)); then set_dpi "$dpi" || fail "could not set LogPixels=$dpi" || return; fi
    write_gbk_line "$APP/Function.dll" "F2,无,F3,无,无,F11,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\音乐\\我的歌单.m3u,F10   C:\\Program Files\\Notepad++\\notepad++.exe"
    start_running || return
    sleep 2
    press F12
    local main
    main=$(insp wait Vantrel 5 visible) || fail "main window not shown by F12" || return
    sleep 1
    local l t r b w h
    IFS=, read -r l t r b <<<"$(field "$(head -n1 <<<"$main")" rect)"
    w=$((4200 * dpi / 1440))
    h=$((6300 * dpi / 1440))
    ((r - l == w && b - t == h)) || fail "window is $((r - l))x$((b - t)) at $dpi DPI, expected ${w}x$h" || return
    # Centred on the work area: the screen less the taskbar at the bottom,
    # which grows with the DPI.
    local sw sh
    read -r sw sh <<<"$(xdotool getdisplaygeometry)"
    ((l == (sw - w) / 2)) || fail "window left $l, expected $(((sw - w) / 2))" || return
    local workBottom=$((2 * t + h))
    ((workBottom >= sh - 40 && workBottom <= sh - 16)) ||
        fail "window top $t is centred on a work area ending at $workBottom of $sh" || return
}

case_dpi_96() { main_window_at_dpi 96; }
case_dpi_144() { main_window_at_dpi 144; }
# Runs the case's prefix on a new Xvfb screen of size $1 until big_screen_end.
big_screen_begin() {
    SAVED_DISPLAY=$DISPLAY SAVED_XVFB_PID=$E2E_XVFB_PID
    e2e_stop_prefix "$PREFIX"
    e2e_start_xvfb 90 "$1" || return
    e2e_in_prefix "$PREFIX" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
big_screen_end() {
    e2e_stop_prefix "$PREFIX"
    e2e_stop_xvfb
    DISPLAY=$SAVED_DISPLAY E2E_XVFB_PID=$SAVED_XVFB_PID
}

case_dpi_192() {
    big_screen_begin 1600x1200 || { big_screen_end; fail "no 1600x1200 screen"; return; }
    main_window_at_dpi 192
    local status=$?
    big_screen_end
    return $status
}
