# shellcheck shell=bash
# A chooser holds only its key names: with "F5" on the clipboard, neither the
# paste keys nor a right-click on the field of the row "重启" put it there
# (the field shows no menu of its own), and a save writes seven key names,
# so F5 stays bound once, to "关机".
E2E_CASES+=(chooser_paste)

case_chooser_paste() {
    write_gbk_line "$APP/Function.dll" "F5,无,无,无,无,无,无"
    start_and_show_main || return
    insp copy F5 >/dev/null && [[ $(insp clipboard) == F5 ]] ||
        fail "could not put F5 on the clipboard" || return
    local l t r b chooser
    chooser=$(chooser_line 1)
    IFS=, read -r l t r b <<<"$(field "$chooser" rect)"
    # The chooser's field, left of its arrow.
    click_at $((l + 10)) $((t + 10)) "hwnd=$(field "$chooser" hwnd)" || return
    xdotool key ctrl+v sleep 0.3 key shift+Insert sleep 0.3
    click_at $((l + 10)) $((t + 10)) "hwnd=$(field "$chooser" hwnd)" 3 || return
    sleep 0.8
    local menu
    menu=$(insp list | awk -F'\t' '/class=#32768/ && /visible=1/')
    if [[ -n $menu ]]; then
        xdotool key Escape
        fail "the chooser's field showed a context menu" || return
    fi
    [[ $(chooser_text 1) == 无 ]] || fail "the row 重启 shows '$(chooser_text 1)' after the paste keys" || return

    # A real pick makes the window Edited; then save.
    pick_with_mouse 2 0 || fail "the row 屏保's list did not open" || return
    click_control "$(control_line Button 保存设置)" || return
    sleep 1
    local want
    want=$(printf '%s\r\n' "F5,无,无,无,无,无,无" | iconv -f UTF-8 -t GBK | od -An -tx1)
    [[ $(od -An -tx1 <"$APP/Function.dll") == "$want" ]] ||
        fail "Function.dll holds '$(iconv -f GBK -t UTF-8 <"$APP/Function.dll" | tr -d '\r')'" || return
}
