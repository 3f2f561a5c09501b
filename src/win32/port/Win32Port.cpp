// Keys, shell, messages, multimedia and modal calls: thin forwards to Win32.
#include "win32/port/Win32Port.h"

#include "win32/port/Win32Api.h"
#include "win32/port/Win32Tray.h"

namespace vantrel::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

Win32Port::Win32Port() = default;

Win32Port::~Win32Port() = default;

std::int16_t Win32Port::AsyncKeyState(int virtualKey) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(virtualKey));
}

void Win32Port::ShellExecute(WindowHandle owner, const std::wstring& operation,
                             const std::wstring& file, const std::wstring& parameters,
                             const std::wstring& directory, int showCommand) {
    // The right to the foreground, where the program holds it (a click, or
    // EarnForeground), goes on to whatever the shell starts, so a program
    // launched by a key comes to the front rather than flashing behind.
    ::AllowSetForegroundWindow(ASFW_ANY);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The result is not examined: a target that cannot be opened is
    // reported by the shell itself, if at all.
    info.hwnd = ToHwnd(owner);
    info.lpVerb = operation.c_str();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = directory.c_str();
    info.nShow = showCommand;
    ::ShellExecuteExW(&info);
}

void Win32Port::StartScreenSaver(WindowHandle window) {
    ::SendMessageW(ToHwnd(window), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void Win32Port::DragWindow(WindowHandle window) {
    // The control that took the press holds the mouse; the caption-bar press
    // runs the system's move loop until the button comes up.
    ::ReleaseCapture();
    ::SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32Port::PlaySound(const std::wstring& file, unsigned flags) {
    ::PlaySoundW(file.c_str(), nullptr, flags);
}

unsigned Win32Port::MciCommand(const std::wstring& command) {
    return ::mciSendStringW(command.c_str(), nullptr, 0, nullptr);
}

int Win32Port::MessageBox(WindowHandle owner, const std::wstring& text,
                          const std::wstring& caption, unsigned style) {
    if (beforeModal_) beforeModal_();
    return ::MessageBoxW(ToHwnd(owner), text.c_str(), caption.c_str(), style);
}

void Win32Port::SetTopmost(WindowHandle window, bool topmost) {
    ::SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace vantrel::win32
