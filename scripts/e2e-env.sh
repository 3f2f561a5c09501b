# shellcheck shell=bash
# Shared shell functions for running Vantrel.exe under Wine inside Xvfb:
# the zh_CN locale, Xvfb, Wine prefixes with the "shell" virtual desktop,
# key presses and window look-ups. Source it; it sets no shell options.
#
# Every Wine command runs in a prefix of our own under build/, never ~/.wine.

E2E_ROOT=${E2E_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
E2E_XVFB_PID=${E2E_XVFB_PID:-}

export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

e2e_log() { printf '%s\n' "$*" >&2; }

# Generates zh_CN.UTF-8 into build/locale once and selects it. A prefix made
# under this locale gets Chinese fonts and the ANSI code page 936.
e2e_locale() {
    local dir="$E2E_ROOT/build/locale"
    if ! LOCPATH="$dir" LANG=zh_CN.UTF-8 locale charmap 2>/dev/null | grep -q UTF-8; then
        mkdir -p "$dir"
        localedef -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" >/dev/null 2>&1 || true
        [[ -d "$dir/zh_CN.UTF-8" ]] || { e2e_log "e2e: localedef zh_CN.UTF-8 failed"; return 1; }
    fi
    unset LC_ALL
    export LOCPATH="$dir"
    export LANG=zh_CN.UTF-8
}

# Starts Xvfb on the first free display from $1 (default 70) upward, waits
# until it answers and exports DISPLAY. Sets E2E_XVFB_PID.
# The display gets one X resource of its own, as a desktop session's display
# always has some: with none at all, Xlib reads ~/.Xdefaults afresh on every
# lookup, and Wine looks up Xft's settings for every font it selects into a
# window's DC (thousands of file opens for one first show). The resource
# names nothing Wine reads, so it draws as before. The server must not reset
# when its last client leaves (-noreset): a reset clears the root window's
# properties, the resource with them, before Wine connects.
e2e_start_xvfb() {
    local n=${1:-70} size=${2:-1024x768}
    while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for ((i = 0; i < 100; i++)); do
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'vantrel.testDisplay:\ttrue\n' &&
                xprop -root RESOURCE_MANAGER | grep -qF vantrel.testDisplay ||
                { e2e_log "e2e: no X resources could be set on :$n"; return 1; }
            return 0
        fi
        if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then break; fi
        sleep 0.1
    done
    e2e_log "e2e: Xvfb on :$n did not start"
    return 1
}

e2e_stop_xvfb() {
    if [[ -n "$E2E_XVFB_PID" ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
        E2E_XVFB_PID=
    fi
}

# Runs a command with WINEPREFIX=$1, ended after E2E_WINE_TIMEOUT seconds
# (default 120) if it has not finished.
e2e_in_prefix() {
    local prefix=$1
    shift
    WINEPREFIX="$prefix" timeout "${E2E_WINE_TIMEOUT:-120}" "$@"
}

# Ends every process of prefix $1 and waits for its wineserver to exit, so
# the registry is on disk and the folder can be copied or removed.
e2e_stop_prefix() {
    local prefix=$1
    [[ -d "$prefix" ]] || return 0
    WINEPREFIX="$prefix" timeout 10 wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" timeout 10 wineserver -w >/dev/null 2>&1 || true
}

# Creates a new prefix at $1 (removing what is there) with the "shell" virtual
# desktop of the Xvfb screen's size and no audio device. Needs DISPLAY and
# the zh_CN locale (e2e_locale) so the prefix gets Chinese fonts.
e2e_make_prefix() {
    local prefix=$1 size
    size=$(xdotool getdisplaygeometry | tr ' ' x)
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    WINEPREFIX="$prefix" timeout 120 wineboot -i >/dev/null 2>&1 || {
        e2e_log "e2e: wineboot -i failed for $prefix"
        return 1
    }
    local reg="$prefix/e2e-settings.reg"
    printf '%s\r\n' 'REGEDIT4' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="shell"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' "\"shell\"=\"$size\"" '' \
        '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Audio"=""' '' >"$reg"
    WINEPREFIX="$prefix" timeout 60 wine regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || {
        e2e_log "e2e: regedit import failed for $prefix"
        return 1
    }
    e2e_stop_prefix "$prefix"
    grep -q '"Desktop"="shell"' "$prefix/user.reg" || {
        e2e_log "e2e: virtual desktop setting missing in $prefix/user.reg"
        return 1
    }
}

# Copies a stopped template prefix $1 to $2.
e2e_copy_prefix() {
    rm -rf "$2"
    mkdir -p "$(dirname "$2")"
    cp -a "$1" "$2"
}

# The Windows path of a Unix path, through the Z: drive.
winepath_of() {
    local abs
    abs=$(realpath -m "$1")
    printf 'Z:%s' "${abs//\//\\}"
}

# Moves the pointer over the virtual desktop so Wine has X focus and sees keys
# even while every program window is hidden.
e2e_park_pointer() {
    xdotool mousemove 512 300 >/dev/null 2>&1 || true
    sleep 0.2
}

# Holds key $1 for $2 seconds (default 0.3): longer than two 50 ms polls.
e2e_hold_key() {
    local key=$1 secs=${2:-0.3}
    xdotool keydown "$key"
    sleep "$secs"
    xdotool keyup "$key"
}

# Waits up to $2 seconds for an X window whose name matches regex $1;
# prints its X window ids.
e2e_wait_x_title() {
    local pattern=$1 secs=${2:-10} end ids
    end=$((SECONDS + secs))
    while ((SECONDS <= end)); do
        if ids=$(xdotool search --name "$pattern" 2>/dev/null) && [[ -n "$ids" ]]; then
            printf '%s\n' "$ids"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Runs the inspector (tests/e2e/tools) in prefix $1: e2e_inspect PREFIX INSPECT_EXE ARGS...
# Output is UTF-8 with LF line ends.
e2e_inspect() {
    local prefix=$1 exe=$2
    shift 2
    WINEPREFIX="$prefix" timeout 30 wine "$exe" "$@" 2>/dev/null
}

# Converts UTF-8 text on stdin to GBK with CR LF line ends (the program's files).
e2e_to_gbk_crlf() {
    sed 's/$/\r/' | iconv -f UTF-8 -t GBK
}
