# shellcheck shell=bash
# What a Windows user gets from build/dist (scripts/package.sh): the version
# resource of the exe, and the installer and its uninstaller run silently in
# the case's prefix: files, Start-menu shortcut, Apps entry, the Run value of
# /AUTOSTART, saving in the installed folder, ending a running Vantrel, and
# keeping or (with /REMOVEDATA) deleting the user's files; an upgrade over the
# running program, and an uninstall beside a portable copy that runs.
E2E_CASES+=(version_resource portable_zip installer_pages install_save_uninstall install_autostart_keep_data
    upgrade_running upgrade_running_by_hand uninstall_beside_portable running_copy_helper out_of_reach_stops)

DIST="$E2E_ROOT/build/dist"
SETUP="$DIST/Vantrel-2.0.4-setup.exe"
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_KEY_HKLM='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
RUNNING_COPY="$E2E_ROOT/build/win32/installer/helper/RunningCopy.exe"

case_version_resource() {
    local exe=$DIST/Vantrel.exe
    [[ -f $exe ]] || fail "no $exe: run scripts/package.sh first" || return
    cmp -s "$exe" "$VANTREL_EXE" || fail "build/dist/Vantrel.exe is not the built exe" || return
    local info
    info=$(insp version "$(winepath_of "$exe")" | tr -d '\r') || fail "no version resource" || return
    grep -qx $'file=2,0,4,0\tproduct=2,0,4,0' <<<"$info" || fail "fixed versions: $(head -n1 <<<"$info")" || return
    local zh=$'block=080404b0\tCompanyName=Talvorin\tProductName=Vantrel\tFileVersion=2.0.4\tProductVersion=2.0.4\tFileDescription=Vantrel 功能键启动器'
    local en=$'block=040904b0\tCompanyName=Talvorin\tProductName=Vantrel\tFileVersion=2.0.4\tProductVersion=2.0.4\tFileDescription=Vantrel function-key launcher'
    grep -qxF "$zh" <<<"$info" || fail "Chinese block wrong or missing: $info" || return
    grep -qxF "$en" <<<"$info" || fail "English block wrong or missing: $info" || return
    (($(grep -c '^block=' <<<"$info") == 2)) || fail "expected two translations: $info" || return
}

# The zip: the exe, the help and the read-me 说明.txt (GBK name and text,
# CR LF), nothing else.
case_portable_zip() {
    local zip=$DIST/Vantrel-2.0.4-portable.zip
    [[ -f $zip ]] || fail "no $zip: run scripts/package.sh first" || return
    local readme want names
    readme=$(printf '说明.txt' | iconv -f UTF-8 -t GBK)
    want=$(printf '%s\n' Vantrel.exe help/ help/index.htm help/loading.htm "$readme" | LC_ALL=C sort)
    names=$(unzip -Z1 "$zip" | LC_ALL=C sort)
    [[ $names == "$want" ]] || fail "zip holds: $(tr '\n' ' ' <<<"$names" | iconv -f GBK -t UTF-8 -c)" || return
    local out=$APP/../unzipped
    rm -rf "$out"
    unzip -q -d "$out" "$zip" || fail "unzip failed" || return
    cmp -s "$out/Vantrel.exe" "$VANTREL_EXE" || fail "the zip's Vantrel.exe is not the built one" || return
    cmp -s "$out/help/index.htm" "$E2E_ROOT/assets/help/index.htm" || fail "help/index.htm differs" || return
    cmp -s "$out/help/loading.htm" "$E2E_ROOT/assets/help/loading.htm" || fail "help/loading.htm differs" || return
    local text lines crlf
    text=$(iconv -f GBK -t UTF-8 <"$out/$readme") || fail "说明.txt is not GBK" || return
    lines=$(wc -l <"$out/$readme")
    crlf=$(grep -c $'\r$' "$out/$readme")
    ((lines > 5 && lines == crlf)) || fail "说明.txt: $crlf of $lines lines end in CR LF" || return
    local word
    for word in Vantrel F12 解压 Function.dll Custom.dll 'tools\yy\set1.dll' 随' 'Windows' '启动; do
        grep -qF "$word" <<<"$text" || fail "说明.txt does not mention $word" || return
    done
}

# The installer run by hand: the language dialog offers Chinese first, the
# pages are Chinese, and cancelling asks and then leaves nothing installed.
case_installer_pages() {
    [[ -f $SETUP ]] || fail "no $SETUP: run scripts/package.sh first" || return
    start_in_prefix "$SETUP"
    local lang='安装语言 / Installer Language' title='Vantrel 2.0.4 安装'
    insp wait "$lang" 20 visible >/dev/null || fail "no language dialog titled $lang" || return
    local texts
    texts=$(insp texts "$lang")
    [[ $(field "$(grep -m1 'class=ComboBox' <<<"$texts")" text) == '中文(简体)' ]] ||
        fail "the language dialog does not offer 中文(简体) first: $(tr '\t\n' ' |' <<<"$texts")" || return
    insp click "$lang" OK || fail "cannot press OK in the language dialog" || return
    insp wait "$title" 10 visible >/dev/null || fail "no window titled $title after the language dialog" || return
    sleep 0.5
    texts=$(insp texts "$title")
    grep -q $'text=欢迎使用 Vantrel 2.0.4 安装程序$' <<<"$texts" || fail "no Chinese welcome page: $(tr '\t\n' ' |' <<<"$texts")" || return
    grep -q $'text=下一步(&N) >$' <<<"$texts" || fail "no 下一步 button" || return
    insp click "$title" '取消(&C)' || fail "cannot press 取消" || return
    # The question is a message box with the installer's title, above it.
    sleep 0.5
    insp click "$title" '是(&Y)' || fail "no 是 to confirm cancelling: $(insp list | grep 'visible=1' | tr '\t\n' ' |')" || return
    wait_process_count "$(basename "$SETUP")" 0 10 || fail "the installer still runs after cancelling" || return
    [[ ! -e $(install_dir) ]] || fail "cancelling left $(install_dir)" || return
}

# The value $2 under registry key $1 in the case's prefix (empty if none).
reg_value() {
    WINEPREFIX="$PREFIX" timeout 30 wine reg query "$1" /v "$2" 2>/dev/null | iconv -f GBK -t UTF-8 |
        tr -d '\r' | awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]+/, ""); print; exit }'
}

# Sets string value $2 under key $1 to $3 and reads it back. reg.exe is
# asked up to three times: a case's preparation must not fail on one lost
# start of a Wine client, and what it printed is kept for the failure.
set_reg_value() {
    local attempt out got
    for attempt in 1 2 3; do
        out=$(e2e_in_prefix "$PREFIX" wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f 2>&1 | iconv -f GBK -t UTF-8 -c | tr -d '\r' | tail -n 3)
        got=$(reg_value "$1" "$2")
        [[ $got == "$3" ]] && return 0
        echo "note: reg add $1 /v $2, attempt $attempt, read back '$got'; it said: $out" >&2
        sleep 1
    done
    fail "could not set $1 $2 to $3; reg add said: $out"
}

# The install folder and the shortcut of the prefix's user (Unix paths).
install_dir() {
    printf '%s\n' "$PREFIX"/drive_c/users/*/AppData/Local/Programs/Vantrel
}
shortcut_file() {
    printf '%s\n' "$PREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu'/Programs/Vantrel.lnk
}

# Runs the installer silently with extra arguments $@; waits for it to end.
run_setup() {
    [[ -f $SETUP ]] || fail "no $SETUP: run scripts/package.sh first" || return
    WINEPREFIX="$PREFIX" timeout 120 wine "$SETUP" /S "$@" >>"$APP/../wine.log" 2>&1 ||
        fail "setup.exe /S $* failed" || return
}

# Checks what the installer leaves: program, help, uninstaller, shortcut, Apps entry.
check_installed() {
    local dir
    dir=$(install_dir)
    local f
    for f in Vantrel.exe help/index.htm help/loading.htm uninst.exe; do
        [[ -f $dir/$f ]] || fail "not installed: $dir/$f" || return
    done
    cmp -s "$dir/Vantrel.exe" "$VANTREL_EXE" || fail "the installed Vantrel.exe is not the built one" || return
    [[ -f $(shortcut_file) ]] || fail "no Start-menu shortcut $(shortcut_file)" || return
    local uninstall
    uninstall=$(reg_value "$UNINSTALL_KEY" UninstallString)
    [[ $uninstall == *'\AppData\Local\Programs\Vantrel\uninst.exe"' ]] ||
        fail "Uninstall entry UninstallString='$uninstall'" || return
    [[ $(reg_value "$UNINSTALL_KEY" DisplayVersion) == 2.0.4 ]] || fail "Uninstall entry has no DisplayVersion 2.0.4" || return
}

# Runs the uninstaller silently with extra arguments $@. It copies itself to
# the temporary folder and returns at once; wait until it has removed itself.
run_uninstaller() {
    local dir
    dir=$(install_dir)
    [[ -f $dir/uninst.exe ]] || fail "no uninstaller in $dir" || return
    WINEPREFIX="$PREFIX" timeout 60 wine "$dir/uninst.exe" /S "$@" >>"$APP/../wine.log" 2>&1 ||
        fail "uninst.exe /S $* failed" || return
    local end=$((SECONDS + 30))
    while [[ -f $dir/uninst.exe ]] && ((SECONDS <= end)); do sleep 0.3; done
    [[ ! -f $dir/uninst.exe ]] || fail "the uninstaller did not remove itself within 30 s" || return
    # Its copy in the temporary folder ends right after.
    wait_process_count Au_.exe 0 15 || fail "the uninstaller's copy is still running" || return
}

case_install_save_uninstall() {
    run_setup || return
    check_installed || return
    local dir
    dir=$(install_dir)
    [[ -z $(reg_value "$RUN_KEY" Vantrel) ]] || fail "Run value written without /AUTOSTART" || return

    # The installed program, started in its folder, saves there.
    (cd "$dir" && WINEPREFIX="$PREFIX" exec wine Vantrel.exe >>"$APP/../wine.log" 2>&1) &
    BACKGROUND_PIDS+=("$!")
    wait_vantrel_count 1 20 || fail "the installed Vantrel.exe is not running" || return
    # No key table yet: the first start greets and shows the main window.
    insp wait 第一次启动 20 visible >/dev/null || fail "no 第一次启动 greeting from the installed program" || return
    insp click 第一次启动 确定 || fail "cannot press 确定 in the greeting" || return
    insp wait 第一次启动 5 gone >/dev/null || fail "the greeting did not close" || return
    insp wait Vantrel 5 visible >/dev/null || fail "main window not shown after the greeting" || return
    sleep 0.5
    pick_with_mouse 0 1 || fail "could not open the first chooser" || return
    local save
    save=$(control_line Button 保存设置)
    [[ -n $save ]] || fail "no 保存设置 button" || return
    click_control "$save" || return
    wait_lines "$dir/Function.dll" 1 5 || fail "no Function.dll in the install folder after saving" || return
    [[ $(head -c 3 "$dir/Function.dll") == F2, ]] || fail "Function.dll does not start with F2: $(head -c 40 "$dir/Function.dll")" || return

    # Start at log-on as the program's setting writes it, per user and per machine.
    set_reg_value "$RUN_KEY" Vantrel 'C:\x\Vantrel.exe' || return
    set_reg_value "$RUN_KEY_HKLM" Vantrel 'C:\x\Vantrel.exe' || return
    mkdir -p "$dir/tools/yy"
    printf '1\r\n' >"$dir/tools/yy/set1.dll"
    printf 'F5   C:\\a.txt\r\n' >"$dir/Custom.dll"
    # What a save cut short would leave: its journal and staged copies.
    printf 'Vantrel save|new:Custom.dll\r\n' >"$dir/Save.pending"
    printf 'x\r\n' | tee "$dir/Custom.dll.new" "$dir/Function.dll.old" "$dir/Function.dll.new.tmp" >/dev/null
    # The user's options and the pair a save replaced.
    printf 'x\r\n' | tee "$dir/Vantrel.ini" "$dir/Function.dll.prev" "$dir/Custom.dll.prev" "$dir/Previous.pair" >/dev/null

    # The uninstaller ends the running program and removes everything.
    run_uninstaller /REMOVEDATA || return
    wait_vantrel_count 0 10 || fail "Vantrel.exe still runs after the uninstall" || return
    [[ ! -e $dir ]] || fail "install folder left: $(cd "$dir" && find . | tr '\n' ' ')" || return
    [[ ! -e $(shortcut_file) ]] || fail "Start-menu shortcut left" || return
    [[ -z $(reg_value "$RUN_KEY" Vantrel) ]] || fail "HKCU Run value left" || return
    [[ -z $(reg_value "$RUN_KEY_HKLM" Vantrel) ]] || fail "HKLM Run value left" || return
    [[ -z $(reg_value "$UNINSTALL_KEY" UninstallString) ]] || fail "Uninstall entry left" || return
}

case_install_autostart_keep_data() {
    run_setup /AUTOSTART || return
    check_installed || return
    local dir dir_win
    dir=$(install_dir)
    dir_win=$(reg_value "$UNINSTALL_KEY" InstallLocation)
    # Quoted: the folder may hold a blank.
    [[ $(reg_value "$RUN_KEY" Vantrel) == "\"$dir_win\\Vantrel.exe\"" ]] ||
        fail "Run value is '$(reg_value "$RUN_KEY" Vantrel)', expected '\"$dir_win\\Vantrel.exe\"'" || return

    # A silent uninstall without /REMOVEDATA keeps the user's files.
    write_gbk_line "$dir/Function.dll" "F2,无,F3,无,无,F11,无"
    write_gbk_line "$dir/Custom.dll" "F5   C:\\a.txt"
    mkdir -p "$dir/tools/yy"
    printf '1\r\n' >"$dir/tools/yy/set1.dll"
    printf 'x\r\n' >"$dir/Vantrel.ini"
    run_uninstaller || return
    local left
    left=$(cd "$dir" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
    [[ $left == './Custom.dll ./Function.dll ./Vantrel.ini ./tools/yy/set1.dll ' ]] || fail "left after uninstall: $left" || return
    [[ -z $(reg_value "$RUN_KEY" Vantrel) ]] || fail "HKCU Run value left" || return
    [[ ! -e $(shortcut_file) ]] || fail "Start-menu shortcut left" || return
}

# The one running Vantrel.exe as "pid path" (fails unless exactly one runs).
running_vantrel() {
    local procs
    procs=$(insp procs Vantrel.exe | tr -d '\r')
    (($(grep -c . <<<"$procs") == 1)) || return 1
    printf '%s %s\n' "$(field "$procs" pid)" "$(field "$procs" path)"
}

# Starts a Vantrel.exe ($1, Unix path) from its folder, as the Start-menu
# shortcut does, with a key table so no greeting waits; its Shell_NotifyIcon
# calls are traced into $2. Waits for its icon and, unless $3 is "splash",
# until the splash has gone and every window of the program is hidden.
# TRACED_PID is the wine process, whose exit status is the program's.
start_traced() {
    local exe=$1 log=$2 dir
    dir=$(dirname "$exe")
    write_gbk_line "$dir/Function.dll" "无,无,无,无,无,无,无"
    write_gbk_line "$dir/Custom.dll" "F5   C:\\a.txt"
    (cd "$dir" && WINEPREFIX="$PREFIX" WINEDEBUG=-all,+systray exec wine Vantrel.exe >"$log" 2>&1) &
    TRACED_PID=$!
    BACKGROUND_PIDS+=("$TRACED_PID")
    wait_vantrel_count 1 20 || fail "$exe is not running" || return
    local i
    for ((i = 0; i < 40; i++)); do
        if (($(tray_icon_count) == 1)); then
            [[ ${3:-} == splash ]] && return 0
            insp list | grep -qP '\tvisible=1\t.*\tclass=VantrelForm\t' || return 0
        fi
        sleep 0.5
    done
    fail "$(tray_icon_count) tray icons with $exe running, or its splash still shows"
}

# Shell_NotifyIcon messages in trace $1 (0 add, 2 delete), in order.
traced_notify_calls() {
    grep -a -o 'Shell_NotifyIconW dwMessage = [0-9]*' "$1" 2>/dev/null | awk '{ print $NF }'
}

# A silent upgrade while the installed program runs: that copy ends through
# its own exit (it removes its icon), the files are replaced, and the program
# runs again from the install folder, once, with one icon.
case_upgrade_running() {
    run_setup || return
    local dir log=$APP/../old-copy.log
    dir=$(install_dir)
    # A byte more than the built exe (it still runs): the upgrade must replace it.
    printf 'x' >>"$dir/Vantrel.exe"
    start_traced "$dir/Vantrel.exe" "$log" || return
    local old_pid old_path
    read -r old_pid old_path <<<"$(running_vantrel)" || fail "not one Vantrel.exe before the upgrade" || return
    [[ $old_path == *'\AppData\Local\Programs\Vantrel\Vantrel.exe' ]] || fail "the installed copy runs from '$old_path'" || return

    run_setup || return
    # The setup waited for the old copy to end: its process is gone.
    ! kill -0 "$TRACED_PID" 2>/dev/null || fail "the setup ended while the old copy still ran" || return
    cmp -s "$dir/Vantrel.exe" "$VANTREL_EXE" || fail "the running Vantrel.exe was not replaced" || return
    [[ $(traced_notify_calls "$log" | tail -n1) == 2 ]] ||
        fail "the old copy did not remove its icon (its calls: $(traced_notify_calls "$log" | tr '\n' ' '))" || return
    wait_vantrel_count 1 20 || fail "Vantrel is not running again after the upgrade" || return
    sleep 2
    local pid path
    read -r pid path <<<"$(running_vantrel)" || fail "$(vantrel_count) Vantrel.exe after the upgrade" || return
    [[ $pid != "$old_pid" ]] || fail "the old copy still runs (pid $pid)" || return
    [[ $path == "$old_path" ]] || fail "restarted from '$path', not '$old_path'" || return
    (($(tray_icon_count) == 1)) || fail "$(tray_icon_count) tray icons after the upgrade" || return
    # Its own exit ends with 0; the helper's last resort with 1.
    local code=0
    wait "$TRACED_PID" || code=$?
    ((code == 0)) || fail "the old copy was terminated (exit code $code)" || return
}

# The title of the visible window whose title starts with $1 (the installer's
# pages add a blank to it, its message boxes do not).
title_from() {
    insp list | tr -d '\r' | awk -F'\ttitle=' -v t="$1" '/\tvisible=1\t/ && index($2, t) == 1 { print $2; exit }'
}

# Waits up to $3 seconds until the window titled $1 (or $1 and a blank)
# shows a control captioned $2; then presses it.
press_when_shown() {
    local end=$((SECONDS + $3)) line title
    while ((SECONDS <= end)); do
        title=$(title_from "$1")
        line=$(insp texts "$title" 2>/dev/null | tr -d '\r' | grep -P "\tshown=1\t.*\ttext=\\Q$2\\E$" | head -n1)
        [[ -n $line ]] && { insp click "$title" "$2"; return; }
        sleep 0.3
    done
    return 1
}

# The same upgrade run by hand: after the folder page it says it will end
# the running program; 取消 keeps it running, 确定 installs and starts it again,
# and the last page then offers no second start.
case_upgrade_running_by_hand() {
    run_setup || return
    local dir title='Vantrel 2.0.4 安装' lang='安装语言 / Installer Language'
    dir=$(install_dir)
    start_traced "$dir/Vantrel.exe" "$APP/../old-copy.log" splash || return
    local old_pid old_path
    read -r old_pid old_path <<<"$(running_vantrel)" || fail "not one Vantrel.exe before the upgrade" || return
    start_in_prefix "$SETUP"
    insp wait "$lang" 20 visible >/dev/null || fail "no language dialog" || return
    insp click "$lang" OK || fail "cannot press OK in the language dialog" || return
    press_when_shown "$title" '下一步(&N) >' 10 || fail "no welcome page" || return
    sleep 0.5
    press_when_shown "$title" '下一步(&N) >' 10 || fail "no components page" || return
    press_when_shown "$title" '安装(&I)' 10 || fail "no folder page" || return
    local texts
    local round
    for round in 1 2; do
        sleep 1
        texts=$(insp texts "$(title_from "$title")" | tr -d '\r')
        grep -qF 'text=Vantrel 正在运行。安装程序将先结束它，安装完成后再启动它。' <<<"$texts" ||
            fail "no word that the running program will be ended: $(tr '\t\n' ' |' <<<"$texts")" || return
        ((round == 2)) && break
        insp click "$(title_from "$title")" 取消 || fail "cannot press 取消" || return
        sleep 1
        [[ $(running_vantrel) == "$old_pid $old_path" ]] || fail "取消 did not leave the program running" || return
        press_when_shown "$title" '安装(&I)' 10 || fail "not back on the folder page after 取消" || return
    done
    insp click "$(title_from "$title")" 确定 || fail "cannot press 确定" || return
    local end=$((SECONDS + 30)) run
    while ((SECONDS <= end)); do
        texts=$(insp texts "$(title_from "$title")" 2>/dev/null | tr -d '\r')
        grep -q $'\ttext=完成(&F)$' <<<"$texts" && break
        sleep 0.5
    done
    grep -q $'\ttext=完成(&F)$' <<<"$texts" || fail "no last page" || return
    run=$(grep -F 'Vantrel' <<<"$texts" | grep 'class=Button' | grep -v 'text=完成')
    [[ -z $(grep 'shown=1' <<<"$run") ]] || fail "the last page offers to start Vantrel again: $run" || return
    local pid path
    read -r pid path <<<"$(running_vantrel)" || fail "$(vantrel_count) Vantrel.exe after the upgrade" || return
    [[ $pid != "$old_pid" && $path == "$old_path" ]] || fail "running after the upgrade: $pid $path (before: $old_pid)" || return
    insp click "$(title_from "$title")" '完成(&F)' || fail "cannot press 完成" || return
    wait_process_count "$(basename "$SETUP")" 0 10 || fail "the installer still runs after 完成" || return
    sleep 1
    [[ $(running_vantrel) == "$pid $path" ]] || fail "完成 changed the running program: $(running_vantrel)" || return
}

# The uninstaller ends only the copy of its own folder: a portable copy that
# runs elsewhere keeps running, with its icon.
case_uninstall_beside_portable() {
    run_setup || return
    local log=$APP/../portable.log
    start_traced "$APP/Vantrel.exe" "$log" splash || return
    local pid path
    read -r pid path <<<"$(running_vantrel)" || fail "not one Vantrel.exe before the uninstall" || return
    run_uninstaller || return
    [[ ! -e $(install_dir) ]] || fail "install folder left: $(install_dir)" || return
    sleep 1
    local now
    now=$(running_vantrel) || fail "$(vantrel_count) Vantrel.exe after the uninstall" || return
    [[ $now == "$pid $path" ]] || fail "the portable copy '$pid $path' became '$now'" || return
    [[ $(traced_notify_calls "$log" | tail -n1) == 0 ]] || fail "the portable copy removed its icon" || return
    (($(tray_icon_count) == 1)) || fail "$(tray_icon_count) tray icons after the uninstall" || return
}

# The setup's helper on its own, exit code and seconds taken as "code secs":
# RunningCopy.exe $1 <Unix folder $2>. Its Shell_NotifyIcon calls are traced
# into helper.log.
running_copy() {
    local start=$SECONDS code=0
    WINEPREFIX="$PREFIX" WINEDEBUG=-all,+systray timeout 60 wine "$RUNNING_COPY" "$1" "$(winepath_of "$2")" \
        >>"$APP/../helper.log" 2>&1 || code=$?
    printf '%s %s\n' "$code" $((SECONDS - start))
}

# A Vantrel that hangs (stopped, it takes no message) and, in another
# folder, a process of the same name: the helper ends the one of the folder
# it is given, by force only after its wait, takes its icon out of the
# notification area first, and leaves the other alone.
case_running_copy_helper() {
    [[ -f $RUNNING_COPY ]] || fail "no $RUNNING_COPY: build first" || return
    local ours=$APP/../ours code secs
    mkdir -p "$ours"
    cp "$VANTREL_EXE" "$ours/Vantrel.exe"
    start_traced "$ours/Vantrel.exe" "$APP/../ours.log" splash || return
    kill -STOP "$TRACED_PID" || fail "cannot stop the copy" || return
    cp "$HOLD_TOOL" "$APP/Vantrel.exe"
    touch "$APP/held"
    start_in_prefix "$APP/Vantrel.exe" "$(winepath_of "$APP/held")" 120
    wait_vantrel_count 2 20 || fail "the stand-in elsewhere does not run" || return
    read -r code secs <<<"$(running_copy check "$ours")"
    [[ $code == 1 ]] || fail "check of the running folder said $code" || return
    read -r code secs <<<"$(running_copy check "$APP/../nothing")"
    [[ $code == 0 ]] || fail "check of a folder without a copy said $code" || return
    read -r code secs <<<"$(running_copy end "$ours")"
    [[ $code == 2 ]] || fail "end of a hung copy said $code (expected 2, terminated)" || return
    ((secs >= 5)) || fail "terminated after $secs s, without waiting for an orderly exit" || return
    { wait "$TRACED_PID"; } 2>/dev/null
    [[ $(traced_notify_calls "$APP/../helper.log") == *2* ]] || fail "the hung copy's icon was not removed for it" || return
    local left
    left=$(insp procs Vantrel.exe | tr -d '\r')
    (($(grep -c . <<<"$left") == 1)) || fail "left running: $left" || return
    [[ $(field "$left" path) == "$(winepath_of "$APP/Vantrel.exe")" ]] || fail "the wrong copy was ended: $left" || return
    read -r code secs <<<"$(running_copy end "$ours")"
    [[ $code == 0 ]] || fail "a second end said $code" || return
}

# A copy the helper cannot end (on Windows, one started as administrator;
# Wine has no elevation, so a stand-in helper answers 3): the silent setup
# and uninstaller stop with exit code 3 and change nothing.
case_out_of_reach_stops() {
    local stage=$APP/../stage setup=$APP/../stand-in-setup.exe code stand_in
    stand_in=$(dirname "$INSPECT")/exitwith.exe
    [[ -f $stand_in ]] || fail "no $stand_in: build first" || return
    mkdir -p "$stage/help"
    cp "$VANTREL_EXE" "$stage/Vantrel.exe"
    cp "$E2E_ROOT/assets/help/index.htm" "$E2E_ROOT/assets/help/loading.htm" "$stage/help/"
    LC_ALL=C.UTF-8 makensis -V1 -INPUTCHARSET UTF8 -DSOURCE="$stage" -DHELPER="$stand_in" \
        -DICON="$E2E_ROOT/assets/Vantrel.ico" -DOUTFILE="$setup" "$E2E_ROOT/installer/Vantrel.nsi" >/dev/null ||
        fail "makensis failed" || return
    code=0
    WINEPREFIX="$PREFIX" EXIT_WITH=3 timeout 120 wine "$setup" /S >>"$APP/../wine.log" 2>&1 || code=$?
    ((code == 3)) || fail "the setup said $code over a copy out of reach" || return
    [[ ! -e $(install_dir) ]] || fail "the setup installed over a copy out of reach" || return

    WINEPREFIX="$PREFIX" timeout 120 wine "$setup" /S >>"$APP/../wine.log" 2>&1 || fail "the install failed" || return
    local dir dir_win
    dir=$(install_dir)
    dir_win=$(reg_value "$UNINSTALL_KEY" InstallLocation)
    code=0
    WINEPREFIX="$PREFIX" EXIT_WITH=3 timeout 60 wine "$dir/uninst.exe" /S "_?=$dir_win" >>"$APP/../wine.log" 2>&1 || code=$?
    ((code == 3)) || fail "the uninstaller said $code beside a copy out of reach" || return
    [[ -f $dir/Vantrel.exe && -f $(shortcut_file) && -n $(reg_value "$UNINSTALL_KEY" UninstallString) ]] ||
        fail "the uninstaller removed something beside a copy out of reach" || return
}
