# shellcheck shell=bash
# Saving when the disk says no: Custom.dll held open by another program, a
# program folder that cannot be written, a full disk. Each time the user is
# told which file and why, both files keep their bytes, nothing is left
# beside them, and the window keeps the edit so the save can be repeated.
E2E_CASES+=(save_faults)

# Files in the program folder other than the exe, sorted, one line.
folder_files() {
    (cd "$APP" && ls -A | grep -v -x -e Vantrel.exe -e filler | sort | tr '\n' ' ')
}

# Presses 保存设置 and expects a message naming file $1 and reason $2; closes it.
save_refused() {
    click_control "$(control_line Button 保存设置)" || return
    insp wait 提示 10 visible >/dev/null || fail "no message after a save that must fail ($2)" || return
    local texts
    texts=$(insp texts 提示)
    grep -qF "无法保存文件“$APP_WIN\\$1”：$2" <<<"$texts" ||
        fail "message for '$2': $(tr '\t\n' ' |' <<<"$texts")" || return
    grep -qF "两个设置文件都保持原样" <<<"$texts" || fail "message does not say nothing was saved" || return
    insp click 提示 "#1" >/dev/null || insp click 提示 "#2" >/dev/null || fail "cannot close the message" || return
    insp wait 提示 5 gone || fail "message still open" || return
    sleep 0.5
    [[ $(od -An -tx1 <"$APP/Function.dll") == "$OLD_FUNCTION" ]] || fail "Function.dll changed ($2)" || return
    custom_dll_is "F5   C:\\old.txt" || fail "Custom.dll changed ($2)" || return
    [[ $(folder_files) == "Custom.dll Function.dll " ]] || fail "left beside the files ($2): $(folder_files)" || return
    [[ $(chooser_text 1) == F7 ]] || fail "the edit was lost ($2)" || return
    [[ $(field "$(control_line Button 保存设置)" enabled) == 1 ]] || fail "保存设置 disabled after '$2'" || return
}

case_save_faults() {
    # A small disk of its own, when this machine lets us mount one.
    local small_disk=0
    local size_k=$(($(stat -c %s "$VANTREL_EXE") / 1024 + 1024))
    if mount -t tmpfs -o "size=${size_k}k" tmpfs "$APP" 2>/dev/null; then
        small_disk=1
        cp "$VANTREL_EXE" "$APP/Vantrel.exe"
    else
        cannot_stage "full disk: cannot mount a small disk here" || return
    fi
    cp "$HOLD_TOOL" "$E2E_DIR/work/$CASE_NAME/hold.exe"
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\old.txt"
    OLD_FUNCTION=$(od -An -tx1 <"$APP/Function.dll")
    start_and_show_main || return
    pick_with_mouse 1 6 || fail "the second chooser's list did not open" || return
    [[ $(chooser_text 1) == F7 ]] || fail "second chooser shows '$(chooser_text 1)'" || return

    # Another program holds Custom.dll open without sharing.
    local hold_out="$E2E_DIR/work/$CASE_NAME/hold.out"
    (cd / && WINEPREFIX="$PREFIX" timeout 60 wine "$(winepath_of "$E2E_DIR/work/$CASE_NAME/hold.exe")" \
        "$(app_path Custom.dll)" 12 >"$hold_out" 2>/dev/null) &
    BACKGROUND_PIDS+=("$!")
    local end=$((SECONDS + 20))
    until grep -q held "$hold_out" 2>/dev/null || ((SECONDS > end)); do sleep 0.2; done
    grep -q held "$hold_out" || fail "hold.exe did not open Custom.dll" || return
    save_refused Custom.dll "文件无法读取（可能正被其他程序使用）" locked || return
    wait_process_count hold.exe 0 30 || fail "hold.exe did not end" || return

    # A program folder nobody may write in.
    if chattr +i "$APP" 2>/dev/null; then
        save_refused Function.dll "没有写入权限（文件或文件夹只读，或被拒绝访问）" read-only || return
        chattr -i "$APP"
    else
        cannot_stage "read-only folder: chattr +i refused here" || return
    fi

    if ((small_disk)); then
        dd if=/dev/zero of="$APP/filler" bs=64k 2>/dev/null || true
        save_refused Function.dll "磁盘空间不足" disk-full || return
        rm -f "$APP/filler"
    fi

    # With the fault gone the same edit saves.
    click_control "$(control_line Button 保存设置)" || return
    sleep 1.5
    [[ $(field "$(control_line Button 保存设置)" enabled) == 0 ]] || fail "the save after the faults failed" || return
    [[ $(tr -d '\r\n' <"$APP/Function.dll" | iconv -f GBK -t UTF-8) == "无,F7,无,无,无,无,无" ]] ||
        fail "Function.dll after the save: $(tr -d '\r' <"$APP/Function.dll" | iconv -f GBK -t UTF-8)" || return
    # Beside the pair, only the pair it replaced, kept for 恢复上一次保存的设置.
    [[ $(folder_files) == "Custom.dll Custom.dll.prev Function.dll Function.dll.prev Previous.pair " ]] ||
        fail "left after the save: $(folder_files)" || return
    e2e_stop_prefix "$PREFIX"
}
