# shellcheck shell=bash
# Pressing on the title text and moving the mouse moves the window; pressing
# on the list and moving does not.
E2E_CASES+=(drag)

window_rect() {
    field "$(insp find Vantrel | head -n1)" rect
}

case_drag() {
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$APP/Custom.dll" "F5   C:\\windows\\notepad.exe"
    start_and_show_main || return
    local before after x y
    before=$(window_rect)
    read -r x y <<<"$(rect_centre "$(field "$(control_line Static Vantrel)" rect)")"
    xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2
    local i
    for ((i = 1; i <= 10; i++)); do xdotool mousemove $((x - 8 * i)) $((y + 5 * i)) sleep 0.05; done
    xdotool mouseup 1
    sleep 0.5
    after=$(window_rect)
    local bl bt br bb al at ar ab
    IFS=, read -r bl bt br bb <<<"$before"
    IFS=, read -r al at ar ab <<<"$after"
    ((al == bl - 80 && at == bt + 50)) || fail "title drag moved the window from $before to $after" || return
    ((ar - al == br - bl && ab - at == bb - bt)) || fail "the drag resized the window" || return

    read -r x y <<<"$(rect_centre "$(field "$(main_controls | awk -F'\t' '$1 == "class=ListBox"')" rect)")"
    xdotool mousemove "$x" "$y" sleep 0.2 mousedown 1 sleep 0.2
    for ((i = 1; i <= 10; i++)); do xdotool mousemove $((x + 8 * i)) $((y + 5 * i)) sleep 0.05; done
    xdotool mouseup 1
    sleep 0.5
    [[ $(window_rect) == "$after" ]] || fail "pressing on the list moved the window" || return
}
