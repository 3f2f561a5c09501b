; The Vantrel installer: a per-user install into %LOCALAPPDATA%\Programs\Vantrel
; (a folder the user may write, so saving the key table works), a Start-menu
; shortcut, optional start with Windows, and an uninstaller registered for the
; user's "Apps" list. Built by scripts/package.sh:
;
;   makensis -DVERSION=2.0.4 -DSOURCE=<folder with Vantrel.exe and help/> -DICON=<.ico> -DOUTFILE=<setup.exe> Vantrel.nsi
;
; Command line of setup.exe:
;   /S              silent install (no pages)
;   /AUTOSTART      tick "随 Windows 启动": the HKCU Run value Vantrel
;   /D=<folder>     install folder (last on the line, no quotes)
; Command line of uninst.exe:
;   /S              silent uninstall; keeps the user's key table and voice setting
;   /REMOVEDATA     also delete Function.dll, Custom.dll and tools\yy\set1.dll

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
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantrel.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
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
LangString ASK_REMOVEDATA ${LANG_SIMPCHINESE} "是否同时删除您的按键设置（Function.dll、Custom.dll）和语音设置（tools\yy\set1.dll）？$\r$\n$\r$\n选择“否”将保留这些文件，以便重新安装后继续使用。"
LangString ASK_REMOVEDATA ${LANG_ENGLISH} "Also delete your key settings (Function.dll, Custom.dll) and voice setting (tools\yy\set1.dll)?$\r$\n$\r$\nChoose No to keep them for a later install."

Section "Vantrel" SEC_MAIN
  SectionIn RO
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
  ; Vantrel runs once per session; end it so its files can go.
  nsExec::Exec '"$SYSDIR\taskkill.exe" /F /IM Vantrel.exe'
  Pop $0
  ${If} $0 == 0
    Sleep 1000
  ${EndIf}

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
    ; What a save cut short left beside them: staged copies and its journal.
    Delete "$INSTDIR\Function.dll.*"
    Delete "$INSTDIR\Custom.dll.*"
    Delete "$INSTDIR\Save.pending*"
    Delete "$INSTDIR\tools\yy\set1.dll.*"
    RMDir "$INSTDIR\tools\yy"
    RMDir "$INSTDIR\tools"
  ${EndIf}

  SetOutPath "$TEMP"
  RMDir "$INSTDIR"
SectionEnd
