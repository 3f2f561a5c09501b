# shellcheck shell=bash
# Seeded faults in the Win32 half (src/win32/port, src/app), each caught by
# the port's tests under Wine or by one end-to-end case. Sourced by
# scripts/mutants.sh; one fault a call:
#   fault FILE 'old text' 'new text' 'what goes wrong' CHECK
# with CHECK port:<gtest filter> or e2e:<case> (see scripts/mutants.sh).
p=src/win32/port

# Files: the replacement that a power cut cannot tear
fault $p/Win32Files.cpp '!WriteAllBytes(file.get(), bytes) || !::FlushFileBuffers(file.get())' \
      '!WriteAllBytes(file.get(), bytes)' 'files: the new bytes are not flushed before the rename' \
      'port:DurableWrite.*'
fault $p/Win32Files.cpp 'MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH' 'MOVEFILE_REPLACE_EXISTING' \
      'files: the rename is not written through' 'port:DurableWrite.*'
fault $p/Win32Files.cpp $'    CarryOverSettings(to, from);\n' '' \
      'files: a replaced file loses its attributes and access list' \
      'port:Write.ReplacedFileKeepsItsAttributes'
# The codec's flags
fault $p/Gbk.cpp '::MultiByteToWideChar(kGbk, 0, bytes.data(), inLength, nullptr, 0);' \
      '::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), inLength, nullptr, 0);' \
      'codec: a file with broken GBK reads as nothing' 'port:Codec.*'
fault $p/Gbk.cpp $'WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), inLength,\n                                                nullptr, 0, nullptr, &usedDefault);\n    if (outLength <= 0 || usedDefault) return std::nullopt;\n    std::string bytes(static_cast<std::size_t>(outLength), \'\\0\');\n    usedDefault = FALSE;\n    const int written = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS,' \
      $'WideCharToMultiByte(kGbk, 0, text.data(), inLength,\n                                                nullptr, 0, nullptr, &usedDefault);\n    if (outLength <= 0 || usedDefault) return std::nullopt;\n    std::string bytes(static_cast<std::size_t>(outLength), \'\\0\');\n    usedDefault = FALSE;\n    const int written = ::WideCharToMultiByte(kGbk, 0,' \
      'codec: characters outside GBK are written as look-alikes (best fit)' 'port:Codec.*:Store.*'
# The close handling
fault $p/EndMessages.h $'        ::ReplyMessage(0);\n' '' \
      'close: the sender of WM_CLOSE waits on a program that is ending' 'port:EndMessages.*'
fault $p/EndMessages.h $'        result = TRUE;\n        return true;' $'        result = FALSE;\n        return true;' \
      'close: the end of the session is refused' 'port:EndMessages.*'
fault $p/EndMessages.h 'if (wParam && end) end(EndCause::SessionEnd);' 'if (end) end(EndCause::SessionEnd);' \
      'close: a cancelled end of the session ends the program' 'port:EndMessages.*'
# The popup menu and the foreground technique
fault $p/Win32Dialogs.cpp $'    ::SetForegroundWindow(owner);\n    const int chosen' $'    const int chosen' \
      'popup menu: its owner does not take the foreground first' 'port:Foreground.*'
fault $p/Win32Dialogs.cpp $'    ::PostMessageW(owner, WM_NULL, 0, 0);\n' '' \
      'popup menu: no null message after it' 'port:Foreground.*'
fault $p/Win32Foreground.cpp $'    press[1].ki.dwFlags = KEYEVENTF_KEYUP;\n' '' \
      'foreground: the harmless key is pressed twice and never released' 'port:Foreground.*'
fault $p/Win32Foreground.cpp 'constexpr WORD kHarmlessKey = 0xE8;' "constexpr WORD kHarmlessKey = 'A';" \
      'foreground: the key pressed to earn it is a voice key' 'port:Foreground.*'
fault $p/Win32Foreground.cpp 'if (frontProcess == ::GetCurrentProcessId()) return;' '' \
      'foreground: a key is injected while our own window is in front' 'port:Foreground.*'
fault $p/Win32Foreground.cpp $'    // taskbar button (it has none) and the window stays raised, unfocused.\n    ::SetForegroundWindow(hwnd);\n' '' \
      'foreground: a raised window does not ask for the foreground' 'port:Foreground.*'
fault $p/Win32Foreground.cpp 'flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;' 'flash.dwFlags = FLASHW_CAPTION;' \
      'foreground: a refused switch flashes only the caption, not the taskbar button' 'port:Foreground.*'
fault $p/Win32Foreground.cpp $'    if (::IsIconic(hwnd)) ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);\n' '' \
      'foreground: F12 leaves a minimised main window minimised' 'e2e:stacking'
# The tray icon: add, delete, retry
fault $p/Win32Tray.cpp $'    notify_(NIM_DELETE, &data);\n    shown_ = notify_(NIM_ADD, &data) != FALSE;' \
      $'    shown_ = notify_(NIM_ADD, &data) != FALSE;' \
      'tray: an icon still there is added again, not replaced' 'port:TrayHost.*'
fault $p/Win32Tray.cpp 'if (Add() || --retriesLeft_ <= 0)' 'if (--retriesLeft_ <= 0)' \
      'tray: the retries never add the icon' 'port:TrayHost.MissingAtStart*'
fault $p/Win32Tray.cpp $'    notify_(NIM_DELETE, &data);\n    shown_ = false;' $'    shown_ = false;' \
      'tray: going away leaves the icon behind' 'port:TrayHost.Retries*'
fault $p/Win32Tray.cpp $'        LoadPicture(WindowDpi(hwnd));\n        if (!Add()) {' $'        LoadPicture(WindowDpi(hwnd));\n        if (false) {' \
      'tray: a new taskbar does not get the icon back' 'port:TrayHost.MissingAtStart*'
fault $p/Win32Tray.cpp 'IMAGE_ICON, MetricForDpi(SM_CXSMICON, dpi),' 'IMAGE_ICON, MetricForDpi(SM_CXICON, dpi),' \
      'tray: the icon is made at the large icon width' 'port:TrayHost.IconIsMade*'
# DPI metrics
fault $p/DpiMetrics.cpp 'return Scale(value - line, dpi) + line;' 'return Scale(value, dpi);' \
      'DPI: a caption bar border line is scaled with it' 'port:DpiMetrics.*'
fault $p/DpiMetrics.cpp 'void ScaleFont(LOGFONTW& font, int dpi) { font.lfHeight = Scale(font.lfHeight, dpi); }' \
      'void ScaleFont(LOGFONTW&, int) {}' 'DPI: the system fonts keep their 96 DPI size' 'port:DpiMetrics.*'
fault $p/DpiMetrics.cpp 'rect.top -= Metric(caption, dpi) - GetSystemMetrics(caption);' '' \
      'DPI: a captioned frame does not grow with the DPI' 'port:DpiMetrics.*'
# No fault for the DPI awareness: the manifest declares it and the call at
# start declares it again (for a start without the manifest, as the endurance
# run's), so dropping either one alone changes nothing that can be seen.
# The dialog manager in the message loop, and the modal loop
fault $p/MessagePump.cpp 'return ::IsDialogMessageW(form, &msg) != FALSE;' 'return false;' \
      'message loop: no dialog manager (Tab does nothing)' 'port:ShellKeyboard.TabAndShiftTab*'
fault $p/MessagePump.cpp 'msg.message == WM_SYSCHAR || (msg.message' '(msg.message' \
      'message loop: Alt+letter is no mnemonic' 'port:ShellKeyboard.AltLetter*'
fault $p/MessagePump.cpp 'DLGC_WANTCHARS | DLGC_WANTMESSAGE' 'DLGC_WANTMESSAGE' \
      'message loop: a letter typed into a text field runs a mnemonic' 'port:ShellKeyboard.PlainLetter*'
fault $p/Win32Modal.cpp 'for (HWND w : disabled_) ::EnableWindow(w, FALSE);' '' \
      'modal: the other windows stay enabled' 'port:ShellModal.OtherWindowsAreDisabled*'
fault $p/Win32Modal.cpp 'if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));' '' \
      'modal: a quit during a modal loop does not reach the outer loop' 'port:ShellModal.QuitDuringTheLoop*'
fault $p/Win32Dialogs.cpp $'    ::ClientToScreen(hwnd, &at);\n' '' \
      'popup menu: opens at the client point taken as a screen point' 'port:ShellModal.PopupMenuOpensAtTheTwipsPoint*'
# The program (src/app)
fault src/app/ComApartment.h 'COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE' 'COINIT_MULTITHREADED' \
      'program: the UI thread is a multithreaded apartment' 'port:Com.*'
fault src/app/Program.cpp $'        shell_.Dispatch([this] { app_.Unload<icon1>(); });\n        ::PostQuitMessage(0);' \
      $'        shell_.Dispatch([this] { app_.Unload<icon1>(); });' \
      'program: the end of the session leaves the process running' 'e2e:close_request'

# What Windows is asked: the show state of launches, z-order, the shut-down
# privilege, the sound flags.
fault $p/Win32Port.cpp 'info.nShow = showCommand;' 'info.nShow = SW_SHOWMINNOACTIVE;' \
      'launch: every target opens minimised' 'e2e:launch'
fault $p/Win32Port.cpp 'topmost ? HWND_TOPMOST : HWND_NOTOPMOST' 'HWND_TOPMOST' \
      'z-order: always on top is never cleared' 'port:ZOrder.*Topmost*'
fault $p/Win32Session.cpp 'privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;' \
      'privileges.Privileges[0].Attributes = 0;' 'shut-down: the privilege is looked up but not enabled' \
      'port:Session.*Privilege*'
fault $p/Win32Port.cpp '::PlaySoundW(file.c_str(), nullptr, flags);' '::PlaySoundW(file.c_str(), nullptr, flags & ~SND_ASYNC);' \
      'voice: every sound plays synchronously' 'e2e:voice_keys'
fault $p/Win32Registry.cpp 'value.data.resize(got / sizeof(wchar_t));' 'value.data.resize((got + 1) / sizeof(wchar_t));' \
      'registry: an odd trailing byte is read as half a character' 'port:Registry.*'
fault $p/Win32Registry.cpp 'const std::size_t byteCount = (data.size() + 1) * sizeof(wchar_t);' \
      'const std::size_t byteCount = data.size() * sizeof(wchar_t);' \
      'registry: a string is stored without its terminator' 'port:Registry.*'
unset p
