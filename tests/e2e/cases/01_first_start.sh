# shellcheck shell=bash
# First start in an empty program folder: the main window shows at once and
# the greeting box asks for a configuration.
E2E_CASES+=(first_start)

case_first_start() {
    start_vantrel
    local box
    box=$(insp wait "第一次启动" 20 visible) || fail "no visible window titled 第一次启动 within 20 s" || return
    [[ $(field "$box" class) == "#32770" ]] || fail "第一次启动 is not a message box: $box" || return

    local texts
    texts=$(insp texts "第一次启动") || fail "cannot read the texts of 第一次启动" || return
    # The quotes around 保存 are the full-width ones the program shows.
    # shellcheck disable=SC1111
    grep -qxF "第一次启动，请配置，然后按“保存”" < <(while IFS= read -r line; do field "$line" text; done <<<"$texts") ||
        fail "greeting text not found; box has: $(tr '\t\n' ' |' <<<"$texts")" || return

    local main
    main=$(insp find Vantrel | head -n1) || fail "no window titled Vantrel" || return
    [[ $(field "$main" visible) == 1 ]] || fail "main window is hidden: $main" || return
    local rect l t r b
    rect=$(field "$main" rect)
    IFS=, read -r l t r b <<<"$rect"
    [[ $((r - l))x$((b - t)) == 280x420 ]] || fail "main window is $((r - l))x$((b - t)), expected 280x420" || return
}
