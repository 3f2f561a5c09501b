# shellcheck shell=bash
# What the real program cannot read stays as it was on disk: a Function.dll
# over 16 MB is named to the user and not read, and a save keeps it; an entry
# of Custom.dll with bytes GBK has no character for (81 7F) is written back
# byte for byte, not as "?".
E2E_CASES+=(kept_bytes)

case_kept_bytes() {
    truncate -s 17M "$APP/Function.dll"
    printf 'F5   C:\\x\x81\x7F.exe,F6   C:\\windows\\notepad.exe\r\n' >"$APP/Custom.dll"
    local custom function inode
    custom=$(od -An -tx1 <"$APP/Custom.dll")
    function=$(sha1sum <"$APP/Function.dll")
    inode=$(stat -c %i "$APP/Custom.dll")

    start_running || return
    insp wait 提示 20 visible >/dev/null || fail "no message about the large Function.dll" || return
    insp texts 提示 | grep -qF "文件“$APP_WIN\\Function.dll”大于 16 MB" ||
        fail "message: $(insp texts 提示 | tr '\t\n' ' |')" || return
    insp click 提示 "#1" >/dev/null || insp click 提示 "#2" >/dev/null || fail "cannot close the message" || return
    insp wait 提示 5 gone || fail "message still open" || return

    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "main window not shown by F12" || return
    sleep 0.5
    pick_with_mouse 1 0 || fail "the chooser's list did not open" || return
    sleep 0.5
    local save
    save=$(control_line Button 保存设置)
    [[ $(field "$save" enabled) == 1 ]] || fail "保存设置 not enabled after a pick" || return
    click_control "$save" || return
    sleep 1
    [[ $(field "$(control_line Button 保存设置)" enabled) == 0 ]] || fail "the save did not complete" || return
    ! insp wait 提示 1 visible >/dev/null || fail "a message after the save: $(insp texts 提示 | tr '\t\n' ' |')" || return
    [[ $(stat -c %i "$APP/Custom.dll") != "$inode" ]] || fail "Custom.dll was not written" || return
    [[ $(od -An -tx1 <"$APP/Custom.dll") == "$custom" ]] ||
        fail "Custom.dll changed: $(od -An -tx1 <"$APP/Custom.dll" | tr -s ' \n' ' ')" || return
    [[ $(sha1sum <"$APP/Function.dll") == "$function" ]] || fail "Function.dll changed" || return
}
