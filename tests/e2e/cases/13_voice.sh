# shellcheck shell=bash
# Voice keys with a generated add-on: switched on at start, the player runs
# hidden and a real press of A asks Windows to play tools\yy\a.wav from the
# file, asynchronously (seen in Wine's winmm trace of the PlaySound call and
# its flag word); a keypad digit plays nothing.
# Without on.dll the window shows its failure panel and nothing plays.
E2E_CASES+=(voice_keys voice_without_addon)

VOICE_ADDON=

voice_addon() {
    if [[ -z $VOICE_ADDON ]]; then
        VOICE_ADDON="$E2E_SHARED/voice-yy"
        bash "$E2E_ROOT/scripts/make-voice-addon.sh" "$VOICE_ADDON" >/dev/null || return 1
    fi
    mkdir -p "$APP/tools"
    cp -r "$VOICE_ADDON" "$APP/tools/yy"
}

# The add-on's sounds Windows was asked to play, one line per PlaySound
# call: "<file> flags=<fdwSound> hmod=<module>" (winmm's trace gives the
# call's flag word and module, then the file its player opens).
played() {
    [[ -f $APP/../wine.log ]] || { tool_error "no Wine log of the program"; return 1; }
    awk '/MULTIMEDIA_PlaySound / {
             match($0, /hmod=[0-9A-Fa-f]+/); module = substr($0, RSTART + 5, RLENGTH - 5)
             match($0, /fdwSound=[0-9A-Fa-f]+/); flags = substr($0, RSTART + 9, RLENGTH - 9)
         }
         /proc_PlaySound SoundName=/ {
             line = tolower($0)
             if (match(line, /tools\\\\yy\\\\[a-z0-9]*\.wav/))
                 print substr(line, RSTART + 11, RLENGTH - 11) " flags=" flags " hmod=" module
         }' "$APP/../wine.log"
}

# Asynchronous, from a file, no module: SND_FILENAME | SND_ASYNC.
PLAYED_AS=" flags=00020001 hmod=0000000000000000"

case_voice_keys() {
    voice_addon || fail "could not build the voice add-on" || return
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    WINEDEBUG=-all,+winmm start_running || return
    sleep 2
    if insp find 语音热键设置 | grep -q 'visible=1'; then
        fail "the voice-key window shows at start" || return
    fi
    press a
    local i
    for ((i = 0; i < 25; i++)); do
        [[ -n $(played) ]] && break
        sleep 0.2
    done
    # Held past the player's pause after a sound, it may play twice.
    [[ $(played | sort -u) == "a.wav$PLAYED_AS" ]] ||
        fail "pressing A asked for '$(played | tr '\n' '|')', expected tools\\yy\\a.wav$PLAYED_AS" || return
    local before
    before=$(played | wc -l)
    press KP_5
    press KP_0
    sleep 1
    (($(played | wc -l) == before)) || fail "a keypad digit played $(played | tail -n1)" || return
    press 0
    sleep 1
    [[ $(played | tail -n1) == "0.wav$PLAYED_AS" ]] || fail "pressing 0 asked for '$(played | tail -n1)'" || return
}

case_voice_without_addon() {
    voice_addon || fail "could not build the voice add-on" || return
    rm -f "$APP/tools/yy/on.dll"
    printf '1\r\n' >"$APP/tools/yy/set1.dll"
    write_gbk_line "$APP/Function.dll" "无,无,无,无,无,无,无"
    WINEDEBUG=-all,+winmm start_running || return
    sleep 2
    insp find 语音热键设置 >/dev/null || fail "the voice-key window is not loaded" || return
    press a
    sleep 1
    [[ -z $(played) ]] || fail "a sound was played without the add-on: $(played | head -1)" || return
    # Loaded hidden, it has no control windows yet: open it (F12, then the
    # first item of 系统(S)) to see what it shows.
    press F12
    insp wait Vantrel 5 visible >/dev/null || fail "F12 did not show the main window" || return
    xdotool key alt+s
    local menu l t r b
    menu=$(open_menu) || fail "Alt+S opened no menu" || return
    IFS=, read -r l t r b <<<"$(field "$menu" rect)"
    click_at $(((l + r) / 2)) $((t + (b - t) / 12)) || return
    insp wait 语音热键设置 5 visible >/dev/null || fail "the first item of 系统(S) did not open the voice keys" || return
    local texts
    texts=$(insp texts 语音热键设置) || fail "the voice-key window is gone" || return
    grep -qP 'shown=1\t.*text=语音启动失败$' <<<"$texts" || fail "failure panel not shown: $(tr '\t\n' ' |' <<<"$texts")" || return
    grep -qP 'shown=1\t.*text=关闭$' <<<"$texts" || fail "关闭 not shown" || return
    if grep -qP 'shown=1\t.*text=确定$' <<<"$texts"; then fail "确定 shown without the add-on" || return; fi
    if grep -qP 'shown=1\t.*text=语音设置$' <<<"$texts"; then fail "the settings panel is shown without the add-on" || return; fi
}
