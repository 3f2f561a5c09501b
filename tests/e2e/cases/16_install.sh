# shellcheck shell=bash
# What a Windows user gets from build/dist (scripts/package.sh): the version
# resource of the exe, and the installer and its uninstaller run silently in
# the case's prefix: files, Start-menu shortcut, Apps entry, the Run value of
# /AUTOSTART, saving in the installed folder, ending a running Vantrel, and
# keeping or (with /REMOVEDATA) deleting the user's files.
E2E_CASES+=(version_resource portable_zip installer_pages install_save_uninstall install_autostart_keep_data)

DIST="$E2E_ROOT/build/dist"
SETUP="$DIST/Vantrel-2.0.4-setup.exe"
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_KEY_HKLM='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'

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
    e2e_shot welcome
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
    click_control "$save"
    wait_lines "$dir/Function.dll" 1 5 || fail "no Function.dll in the install folder after saving" || return
    [[ $(head -c 3 "$dir/Function.dll") == F2, ]] || fail "Function.dll does not start with F2: $(head -c 40 "$dir/Function.dll")" || return

    # Start at log-on as the program's setting writes it, per user and per machine.
    e2e_in_prefix "$PREFIX" wine reg add "$RUN_KEY" /v Vantrel /t REG_SZ /d 'C:\x\Vantrel.exe' /f >/dev/null 2>&1
    e2e_in_prefix "$PREFIX" wine reg add "$RUN_KEY_HKLM" /v Vantrel /t REG_SZ /d 'C:\x\Vantrel.exe' /f >/dev/null 2>&1
    [[ -n $(reg_value "$RUN_KEY_HKLM" Vantrel) ]] || fail "could not prepare the HKLM Run value" || return
    mkdir -p "$dir/tools/yy"
    printf '1\r\n' >"$dir/tools/yy/set1.dll"
    printf 'F5   C:\\a.txt\r\n' >"$dir/Custom.dll"
    # What a save cut short would leave: its journal and staged copies.
    printf 'Vantrel save|new:Custom.dll\r\n' >"$dir/Save.pending"
    printf 'x\r\n' | tee "$dir/Custom.dll.new" "$dir/Function.dll.old" "$dir/Function.dll.new.tmp" >/dev/null

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
    run_uninstaller || return
    local left
    left=$(cd "$dir" && find . -type f | sort | tr '\n' ' ')
    [[ $left == './Custom.dll ./Function.dll ./tools/yy/set1.dll ' ]] || fail "left after uninstall: $left" || return
    [[ -z $(reg_value "$RUN_KEY" Vantrel) ]] || fail "HKCU Run value left" || return
    [[ ! -e $(shortcut_file) ]] || fail "Start-menu shortcut left" || return
}
