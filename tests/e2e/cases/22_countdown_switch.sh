# shellcheck shell=bash
# "关机和重启前倒数 5 秒（可取消）" and "程序已在运行时切换到它的窗口" on the
# real exe: the countdown called off by its button, by Esc in another
# program and by a second press of its key, then left to run out (this case's prefix is thrown away); an open
# program brought back instead of started twice.
E2E_CASES+=(countdown_switch)

case_countdown_switch() {
    cp "$WINDOW_TOOL" "$APP/window.exe"
    write_gbk_line "$APP/Function.dll" "F2,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   $(app_path window.exe)"
    printf 'ShutdownCountdown=1\r\nSwitchToRunning=1\r\n' >"$APP/Vantrel.ini"
    start_running || return
    sleep 7  # the splash closes after six seconds

    # An open program: brought back, restored, not started again.
    press F5
    wait_lines "$APP/window.log" 1 5 || fail "F5 did not start window.exe" || return
    insp wait window 5 visible >/dev/null || fail "window.exe shows no window" || return
    insp minimize window >/dev/null
    sleep 1
    [[ $(field "$(insp find window)" iconic) == 1 ]] || fail "window.exe could not be minimised" || return
    press F5
    sleep 1.5
    (($(grep -c started "$APP/window.log") == 1)) || fail "F5 started window.exe a second time" || return
    [[ $(field "$(insp find window)" iconic) == 0 ]] || fail "F5 left window.exe minimised" || return
    e2e_park_pointer

    # 取消 in the window.
    press F2
    insp wait 即将关机 5 visible >/dev/null || fail "F2 showed no 即将关机" || return
    [[ $(field "$(insp find 即将关机)" topmost) == 1 ]] || fail "即将关机 is not topmost" || return
    insp texts 即将关机 | grep -qF 'text=立即关机' || fail "即将关机 has no 立即关机" || return
    insp click 即将关机 取消 >/dev/null
    insp wait 即将关机 3 gone || fail "取消 did not call the countdown off" || return

    # Another program keeps the keyboard (a click into window.exe): the key
    # monitor itself takes Esc, or a second F2, for 取消.
    local win
    win=$(insp find window) || fail "window.exe's window is gone" || return
    press F2
    insp wait 即将关机 5 visible >/dev/null || fail "F2 showed no 即将关机 the second time" || return
    click_control "$win" || return
    e2e_hold_key Escape
    insp wait 即将关机 3 gone || fail "Esc in another program did not call the countdown off" || return
    [[ $(vantrel_count) == 1 ]] || fail "a called-off countdown ended Vantrel" || return

    # A second F2, held a while: called off, and not counted down again.
    press F2
    insp wait 即将关机 5 visible >/dev/null || fail "F2 showed no 即将关机 the third time" || return
    sleep 1
    press F2 1
    insp wait 即将关机 1 gone || fail "a second F2 did not call the countdown off" || return
    sleep 0.5
    insp wait 即将关机 0 gone || fail "the F2 that called the countdown off began another" || return

    # Left alone it runs out: Wine ends every process of this prefix.
    press F2
    insp wait 即将关机 5 visible >/dev/null || fail "F2 showed no 即将关机 the last time" || return
    sleep 3
    [[ $(vantrel_count) == 1 ]] || fail "the countdown went ahead before five seconds" || return
    wait_vantrel_count 0 8 || fail "the countdown ran out and nothing shut down" || return
    # Ended by the session's end, which window.exe was told of, not by a crash.
    grep -qx $'endsession=1\r' "$APP/window.log" ||
        fail "the countdown ran out but window.exe was not told the session ends" || return
}
