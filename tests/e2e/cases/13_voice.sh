# shellcheck shell=bash
# Voice keys with a generated add-on: switched on at start, the player runs
# hidden and a real press of A asks Windows to play tools\yy\a.wav (seen in
# Wine's winmm trace of the PlaySound call); a keypad digit plays nothing.
# Without on.dll the window shows its failure panel and nothing plays.
E2E_CASES+=(voice_keys voice_without_addon)

VOICE_ADDON=

voice_addon() {
    if [[ -z $VOICE_ADDON ]]; then
        VOICE_ADDON="$E2E_DIR/voice-yy"
        bash "$E2E_ROOT/scripts/make-voice-addon.sh" "$VOICE_ADDON" >/dev/null || return 1
    fi
    mkdir -p "$APP/tools"
    cp -r "$VOICE_ADDON" "$APP/tools/yy"
}

# Lines of the winmm trace that name a sound file of the add-on.
played() {
    grep -a 'PlaySound' "$APP/../wine.log" 2>/dev/null | grep -a -o -i "tools\\\\\\\\yy\\\\\\\\[a-z0-9]*\.wav" || true
}

case_voice_keys() {
    voice_addon || fail "could not build the voice add-on" || return
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    WINEDEBUG=-all,+winmm start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 2
    if insp find 语音热键设置 | grep -q 'visible=1'; then
        fail "the voice-key window shows at start" || return
    fi
    press a
    local i
    for ((i = 0; i < 25; i++)); do
        played | grep -qi 'a\.wav' && break
        sleep 0.2
    done
    played | grep -qi 'yy\\\\a\.wav' || fail "no PlaySound of tools\\yy\\a.wav after pressing A; trace: $(played | head -3)" || return
    local before
    before=$(played | wc -l)
    press KP_5
    press KP_0
    sleep 1
    (($(played | wc -l) == before)) || fail "a keypad digit played $(played | tail -n1)" || return
    press 0
    sleep 1
    played | tail -n1 | grep -qi '0\.wav' || fail "pressing 0 did not play 0.wav" || return
}

case_voice_without_addon() {
    voice_addon || fail "could not build the voice add-on" || return
    rm -f "$APP/tools/yy/on.dll"
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    WINEDEBUG=-all,+winmm start_vantrel
    wait_vantrel_count 1 20 || fail "Vantrel.exe is not running" || return
    sleep 2
    local texts
    texts=$(insp texts 语音热键设置) || fail "the voice-key window is not loaded" || return
    # The window is loaded hidden: look at what it would show.
    grep -qP 'shown=1\t.*text=语音启动失败$' <<<"$texts" || fail "failure panel not shown: $(tr '\t\n' ' |' <<<"$texts")" || return
    grep -qP 'shown=1\t.*text=关闭$' <<<"$texts" || fail "关闭 not shown" || return
    if grep -qP 'shown=1\t.*text=确定$' <<<"$texts"; then fail "确定 shown without the add-on" || return; fi
    if grep -qP 'shown=1\t.*text=语音设置$' <<<"$texts"; then fail "the settings panel is shown without the add-on" || return; fi
    press a
    sleep 1
    [[ -z $(played) ]] || fail "a sound was played without the add-on: $(played | head -1)" || return
}
