# shellcheck shell=bash
# Measuring one Windows program under Wine for bench/run.sh: the time from
# its start to its tray icon, its CPU time and memory from /proc, and the
# time from a key going down to the launch it causes. Source it after
# scripts/e2e-env.sh; every wait has a time limit.
#
# The programs run in prefix $M_PREFIX, their files in $M_DIR. For the one
# started last:
#   M_PID     its process (the wine command execs into it)
#   M_READER  the reader that stamps its stderr into M_TRACE, each line
#             prefixed with the host time it arrived

M_PREFIX=
M_DIR=
M_PID=
M_READER=
M_TRACE=
M_PROGRAMS=

m_now_us() { echo $((${EPOCHREALTIME/./})); }

# Starts a Windows program in $M_PREFIX from /, with Wine's systray and exec
# channels on, so that its Shell_NotifyIcon and ShellExecute calls show in
# M_TRACE as they happen: m_start EXE ARGS...
m_start() {
    M_TRACE="$M_DIR/trace.$(m_now_us).log"
    local fifo="$M_TRACE.fifo"
    rm -f "$fifo"
    mkfifo "$fifo"
    (while IFS= read -r line; do printf '%s %s\n' "${EPOCHREALTIME/./}" "$line"; done <"$fifo" >"$M_TRACE") &
    M_READER=$!
    (cd / && WINEPREFIX="$M_PREFIX" WINEDEBUG=-all,+systray,+exec exec wine "$@" 2>"$fifo" >/dev/null) &
    M_PID=$!
}

# Waits up to $2 seconds (default 30) for the program's NIM_ADD call; prints
# the host time of it, in microseconds.
m_wait_tray_icon() {
    local end=$((SECONDS + ${1:-30})) at
    while ((SECONDS <= end)); do
        at=$(awk '/Shell_NotifyIconW dwMessage = 0/ { print $1; exit }' "$M_TRACE" 2>/dev/null)
        [[ -n $at ]] && { echo "$at"; return 0; }
        kill -0 "$M_PID" 2>/dev/null || return 1
        sleep 0.01
    done
    return 1
}

# Ends the program started last and its trace reader (up to 10 s).
m_stop() {
    [[ -n $M_PID ]] || return 0
    kill "$M_PID" 2>/dev/null
    local i
    for ((i = 0; i < 100; i++)); do
        kill -0 "$M_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$M_PID" 2>/dev/null
    wait "$M_PID" 2>/dev/null
    kill "$M_READER" 2>/dev/null
    wait "$M_READER" 2>/dev/null
    M_PID=
    M_READER=
}

# utime + stime of process $1, whole process (ended threads included), in ms.
m_cpu_ms() {
    local hz fields
    hz=$(getconf CLK_TCK)
    # The name (field 2) may hold blanks: read past its closing parenthesis.
    fields=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
    awk -v hz="$hz" '{ print int(($12 + $13) * 1000 / hz) }' <<<"$fields"
}

# The processes of $M_PREFIX other than the programs measured (pids in
# $M_PROGRAMS): the wineserver, the desktop (explorer.exe), Wine's services,
# each as "pid name".
m_prefix_processes() {
    local env pid
    for env in /proc/[0-9]*/environ; do
        pid=${env#/proc/}
        pid=${pid%/environ}
        [[ " $M_PROGRAMS " == *" $pid "* ]] && continue
        { tr '\0' '\n' <"$env"; } 2>/dev/null | grep -qxF "WINEPREFIX=$M_PREFIX" || continue
        printf '%s %s\n' "$pid" "$(cat "/proc/$pid/comm" 2>/dev/null)"
    done
}

# CPU ms of each program given as NAME=PID (whole, and by thread) and of
# each other process of the prefix, one "what:id:name ms" a line.
m_cpu_snapshot() {
    local pair name pid task
    for pair in "$@"; do
        name=${pair%%=*}
        pid=${pair#*=}
        printf '%s:%s:all %s\n' "$name" "$pid" "$(m_cpu_ms "$pid")"
        for task in /proc/"$pid"/task/*; do
            printf '%s-thread:%s:%s %s\n' "$name" "${task##*/}" "$(tr ' ' _ <"$task/comm" 2>/dev/null)" \
                "$(m_cpu_ms "$pid/task/${task##*/}")"
        done
    done
    while read -r pid name; do
        printf 'prefix:%s:%s %s\n' "$pid" "${name// /_}" "$(m_cpu_ms "$pid")"
    done < <(m_prefix_processes)
}

# CPU ms between two snapshots (files $1, $2), summed by "what:name".
m_cpu_delta() {
    awk 'NR == FNR { before[$1] = $2; next }
         { key = $1; sub(/:[0-9]+:/, ":", key); delta[key] += $2 - before[$1] }
         END { for (k in delta) print k, delta[k] }' "$1" "$2" | LC_ALL=C sort
}

# A field of /proc/PID/status in KiB: m_status_kib PID VmHWM.
m_status_kib() {
    awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"
}

# Resident memory of process $1 by what is mapped (the exe, each DLL and
# host library, heap and other anonymous memory), "KiB name", largest first.
m_rss_by_mapping() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = ($6 == "" ? "[anonymous]" : $6); sub(/.*\//, "", name); next }
         $1 == "Rss:" { rss[name] += $2 }
         END { for (n in rss) if (rss[n] > 0) print rss[n], n }' "/proc/$1/smaps" | sort -rn
}

# Holds key $1 for 0.2 s (four polls) and waits up to 5 s for probe.log ($2)
# to gain a line; prints "key_us created_us started_us" of that launch. The
# key time is taken just before xdotool starts: the event follows within the
# few milliseconds xdotool takes to start, the same for every program (taken
# after it returns, a program could launch "before" the key went down).
m_press_and_time() {
    local key=$1 log=$2 before key_us end line
    before=$( [[ -f $log ]] && grep -c . "$log" || echo 0)
    key_us=$(m_now_us)
    xdotool keydown "$key"
    sleep 0.2
    xdotool keyup "$key"
    end=$((SECONDS + 5))
    while ((SECONDS <= end)); do
        if [[ -f $log ]] && (($(grep -c . "$log") > before)); then
            line=$(sed -n "$((before + 1))p" "$log" | tr -d '\r')
            printf '%s %s %s\n' "$key_us" "$(sed -n 's/.*\tcreated=\([0-9]*\).*/\1/p' <<<"$line")" \
                "$(sed -n 's/.*\tstarted=\([0-9]*\).*/\1/p' <<<"$line")"
            return 0
        fi
        sleep 0.02
    done
    return 1
}
