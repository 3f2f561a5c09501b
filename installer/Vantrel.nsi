; The Vantrel installer: a per-user install into %LOCALAPPDATA%\Programs\Vantrel
; (a folder the user may write, so saving the key table works), a Start-menu
; shortcut, optional start with Windows, and an uninstaller registered for the
; user's "Apps" list. Built by scripts/package.sh:
;
;   makensis -DVERSION=2.0.4 -DSOURCE=<folder with Vantrel.exe and help/> -DHELPER=<RunningCopy.exe>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> Vantrel.nsi
;
; A Vantrel running from the install folder is ended through its own exit
; before its files are replaced or removed, and started again after an
; install (helper/RunningCopy.cpp does both); a copy running elsewhere is left
; alone. One that cannot be ended (started as administrator) stops the
; install or uninstall until the user has exited it: exit code 3 when silent.
;
; Command line of setup.exe:
;   /S              silent install (no pages)
;   /AUTOSTART      tick "随 Windows 启动": the HKCU Run value Vantrel
;   /D=<folder>     install folder (last on the line, no quotes)
; Command line of uninst.exe:
;   /S              silent uninstall; keeps the user's key table and voice setting
;   /REMOVEDATA     also delete Function.dll, Custom.dll (and the pair saved before
;                   them), Vantrel.ini and tools\yy\set1.dll
;   _?=<folder>     run in place and wait (NSIS), so the exit code is the uninstall's

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!ifndef VERSION
  !define VERSION 2.0.4
!endif
!ifndef SOURCE
  !error "makensis -DSOURCE=<folder with Vantrel.exe and help\> is required"
!endif
!ifndef HELPER
  !error "makensis -DHELPER=<RunningCopy.exe> is required"
!endif
!ifndef OUTFILE
  !define OUTFILE "Vantrel-${VERSION}-setup.exe"
!endif

!define PRODUCT "Vantrel"
!define COMPANY "Talvorin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vantrel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${COMPANY}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COMPANY}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!ifndef ICON
  !define ICON "../assets/Vantrel.ico"
!endif
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_WINDOWTITLE "安装语言 / Installer Language"
!define MUI_LANGDLL_INFO "请选择安装语言。$\r$\nPlease select a language."
; "运行 Vantrel" starts it as the user (not with an elevated installer's rights);
; hidden when the install has already started the copy it ended.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartVantrel

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default; the language dialog offers the other.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString DESC_MAIN ${LANG_SIMPCHINESE} "Vantrel 程序、帮助和开始菜单快捷方式。"
LangString DESC_MAIN ${LANG_ENGLISH} "The Vantrel program, its help and the Start-menu shortcut."
LangString DESC_AUTOSTART ${LANG_SIMPCHINESE} "登录 Windows 时自动启动 Vantrel。"
LangString DESC_AUTOSTART ${LANG_ENGLISH} "Start Vantrel when you sign in to Windows."
LangString RUNNING_ASK ${LANG_SIMPCHINESE} "Vantrel 正在运行。安装程序将先结束它，安装完成后再启动它。$\r$\n$\r$\n配置窗口中尚未保存的修改将会丢失。按“确定”继续。"
LangString RUNNING_ASK ${LANG_ENGLISH} "Vantrel is running. Setup will end it first and start it again when it has finished.$\r$\n$\r$\nChanges not yet saved in its configuration window will be lost. Click OK to go on."
LangString RUNNING_OUT_OF_REACH ${LANG_SIMPCHINESE} "Vantrel 正在以管理员身份运行，无法由本程序结束。$\r$\n$\r$\n请先退出 Vantrel（右击托盘图标，选择“退出软件”），然后按“重试”。"
LangString RUNNING_OUT_OF_REACH ${LANG_ENGLISH} "Vantrel is running as administrator and cannot be ended from here.$\r$\n$\r$\nPlease exit Vantrel first (right-click its tray icon, choose 退出软件), then click Retry."
LangString ASK_REMOVEDATA ${LANG_SIMPCHINESE} "是否同时删除您的按键设置（Function.dll、Custom.dll 及上一次保存的设置）、个性化设置（Vantrel.ini）和语音设置（tools\yy\set1.dll）？$\r$\n$\r$\n选择“否”将保留这些文件，以便重新安装后继续使用。"
LangString ASK_REMOVEDATA ${LANG_ENGLISH} "Also delete your key settings (Function.dll, Custom.dll and the ones saved before them), your options (Vantrel.ini) and voice setting (tools\yy\set1.dll)?$\r$\n$\r$\nChoose No to keep them for a later install."

; The installer's and the uninstaller's use of RunningCopy.exe.
!macro RUNNING_COPY_FUNCTIONS un
  ; The helper in the temporary folder, once per run.
  Function ${un}ExtractHelper
    InitPluginsDir
    ${IfNot} ${FileExists} "$PLUGINSDIR\RunningCopy.exe"
      File "/oname=$PLUGINSDIR\RunningCopy.exe" "${HELPER}"
    ${EndIf}
  FunctionEnd

  ; Ends the Vantrel of $INSTDIR; $0 is 1 when one was running and has ended,
  ; else 0. One out of reach: the user is asked to exit it and retry; when
  ; cancelled (or silent) the run stops with exit code 3.
  Function ${un}EndRunning
    Call ${un}ExtractHelper
    ${Do}
      ExecWait '"$PLUGINSDIR\RunningCopy.exe" end "$INSTDIR"' $0
      ${If} $0 != 3
        ${ExitDo}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING_OUT_OF_REACH)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 3
      Abort
      retry:
    ${Loop}
    ${If} $0 == 1
    ${OrIf} $0 == 2
      StrCpy $0 1
    ${Else}
      StrCpy $0 0
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro RUNNING_COPY_FUNCTIONS ""
!insertmacro RUNNING_COPY_FUNCTIONS "un."

Var Restarted

; The folder chosen: a Vantrel running there is ended before the install, the
; user agrees to that first.
Function DirectoryLeave
  Call ExtractHelper
  ExecWait '"$PLUGINSDIR\RunningCopy.exe" check "$INSTDIR"' $0
  ${If} $0 == 1
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$(RUNNING_ASK)" IDOK +2
    Abort
  ${EndIf}
FunctionEnd

; Starts the installed Vantrel as the user; $0 is 0 when it was started.
Function StartVantrel
  Call ExtractHelper
  ExecWait '"$PLUGINSDIR\RunningCopy.exe" start "$INSTDIR"' $0
FunctionEnd

Function FinishShow
  ${If} $Restarted == 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

Section "Vantrel" SEC_MAIN
  SectionIn RO
  ; A running Vantrel holds its exe: end it, and start it again at the end.
  Call EndRunning
  StrCpy $Restarted $0
  SetOutPath "$INSTDIR"
  File "${SOURCE}/Vantrel.exe"
  SetOutPath "$INSTDIR\help"
  File "${SOURCE}/help/index.htm"
  File "${SOURCE}/help/loading.htm"
  SetOutPath "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\Vantrel.lnk" "$INSTDIR\Vantrel.exe" "" "$INSTDIR\Vantrel.exe" 0 SW_SHOWNORMAL "" "${PRODUCT}"

  WriteUninstaller "$INSTDIR\uninst.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninst.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninst.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The same value the program's own "start at log-on" setting writes.
Section /o "随 Windows 启动" SEC_AUTOSTART
  WriteRegStr HKCU "${RUN_KEY}" "Vantrel" '"$INSTDIR\Vantrel.exe"'
SectionEnd

; The copy ended for the install comes back with the new files, so its hotkeys
; work again at once.
Section "-Restart"
  ${If} $Restarted == 1
    Call StartVantrel
    ; Not started: the finish page offers to start it.
    ${If} $0 != 0
      StrCpy $Restarted 0
    ${EndIf}
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SEC_MAIN} $(DESC_MAIN)
  !insertmacro MUI_DESCRIPTION_TEXT ${SEC_AUTOSTART} $(DESC_AUTOSTART)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SEC_AUTOSTART}
  ${EndIf}
FunctionEnd

Var RemoveData

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  StrCpy $RemoveData 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveData 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; The Vantrel of this folder must end so its files can go; a copy running
  ; elsewhere (a portable one) is left alone.
  Call un.EndRunning

  Delete "$INSTDIR\Vantrel.exe"
  Delete "$INSTDIR\help\index.htm"
  Delete "$INSTDIR\help\loading.htm"
  RMDir "$INSTDIR\help"
  Delete "$SMPROGRAMS\Vantrel.lnk"
  Delete "$INSTDIR\uninst.exe"

  DeleteRegValue HKCU "${RUN_KEY}" "Vantrel"
  ; Written by the program for every user when it could; fails quietly
  ; without the rights.
  ClearErrors
  DeleteRegValue HKLM "${RUN_KEY}" "Vantrel"
  ClearErrors
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The user's own settings: asked for (default: keep); a silent uninstall
  ; keeps them unless /REMOVEDATA is given.
  ${If} $RemoveData == 0
  ${AndIfNot} ${Silent}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(ASK_REMOVEDATA)" /SD IDNO IDNO keep
    StrCpy $RemoveData 1
    keep:
  ${EndIf}
  ${If} $RemoveData == 1
    Delete "$INSTDIR\Function.dll"
    Delete "$INSTDIR\Custom.dll"
    Delete "$INSTDIR\tools\yy\set1.dll"
    Delete "$INSTDIR\Vantrel.ini"
    ; The pair the last save replaced (Function.dll.prev, Custom.dll.prev and
    ; Previous.pair), and what a save cut short left: staged copies, journal.
    Delete "$INSTDIR\Function.dll.*"
    Delete "$INSTDIR\Custom.dll.*"
    Delete "$INSTDIR\Previous.pair*"
    Delete "$INSTDIR\Vantrel.ini.*"
    Delete "$INSTDIR\Save.pending*"
    Delete "$INSTDIR\tools\yy\set1.dll.*"
    RMDir "$INSTDIR\tools\yy"
    RMDir "$INSTDIR\tools"
  ${EndIf}

  SetOutPath "$TEMP"
  RMDir "$INSTDIR"
SectionEnd
