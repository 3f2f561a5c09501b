# shellcheck shell=bash
# A 10 MB binary Function.dll and a 10 MB Custom.dll of some 280,000 entries
# neither crash nor hang the start: the window still comes with F12 and the
# one entry bound to F5, the last of them all, still launches.
E2E_CASES+=(large_files)

case_large_files() {
    install_probe probe.exe
    head -c $((10 << 20)) /dev/urandom >"$APP/Function.dll"
    python3 - "$APP/Custom.dll" "$(app_path probe.exe)" <<'PY'
import sys
path, probe = sys.argv[1], sys.argv[2]
parts, size, i = [], 0, 0
while size < 10 << 20:
    entry = "F9   C:\\音乐\\专辑 %d\\track.mp3" % i
    parts.append(entry)
    size += len(entry.encode("gbk")) + 1
    i += 1
parts.append("F5   " + probe)
with open(path, "wb") as f:
    f.write(",".join(parts).encode("gbk") + b"\r\n")
PY
    start_running || return
    local main
    main=$(insp wait Vantrel 30) || fail "no main window within 30 s of the start" || return
    local log="$APP/probe.log" end=$((SECONDS + 30))
    # Keep pressing until the start-up has finished reading the table.
    while (($(line_count "$log") == 0 && SECONDS < end)); do
        press F5
        sleep 0.5
    done
    (($(line_count "$log") >= 1)) || fail "F5 did not launch within 30 s" || return
    press F12
    insp wait Vantrel 10 visible >/dev/null || fail "F12 did not show the window" || return
    [[ $(vantrel_count) == 1 ]] || fail "Vantrel.exe is gone" || return
}
