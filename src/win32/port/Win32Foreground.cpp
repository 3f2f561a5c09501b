// Raising the program's windows and earning the foreground for them.
//
// Windows gives the foreground only to the process that received the last
// input (or was handed the right by the one in front). A click on the tray
// icon or on the program's own windows is such input; a function key that
// the key monitor finds down by polling is not: it went to the application
// in front. Raising a window in the stacking order needs no right, so that
// always happens; for the keyboard focus the program makes itself the source
// of the last input by injecting one key press that nobody acts on.
#include <cwchar>
#include <optional>
#include <vector>

#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

// An unassigned virtual-key code: no application acts on it, it is no
// letter or digit (the voice keys would speak those), and the key monitor
// does not poll it.
constexpr WORD kHarmlessKey = 0xE8;

// The mandatory integrity level of a process (its label's last relative
// id: 0x2000 medium, 0x3000 high, 0x4000 system), when it can be read.
std::optional<DWORD> IntegrityOf(HANDLE process) {
    UniqueHandle token;
    if (!::OpenProcessToken(process, TOKEN_QUERY, token.put())) return std::nullopt;
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
    std::vector<BYTE> buffer(size);
    if (!::GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size))
        return std::nullopt;
    PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    if (!sid || !::IsValidSid(sid)) return std::nullopt;
    const UCHAR count = *::GetSidSubAuthorityCount(sid);
    if (count == 0) return std::nullopt;
    return *::GetSidSubAuthority(sid, count - 1u);
}

// Whether input injected now could reach the process in front: not when it
// runs at a higher integrity level (UIPI drops the input without a word),
// nor when that cannot be told.
bool InputReaches(DWORD frontProcess) {
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, frontProcess));
    if (!process) return false;
    const auto theirs = IntegrityOf(process.get());
    const auto ours = IntegrityOf(::GetCurrentProcess());
    return theirs && ours && *theirs <= *ours;
}

bool IsDesktopOrTaskbar(HWND window) {
    if (window == ::GetDesktopWindow() || window == ::GetShellWindow()) return true;
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    // The desktop behind the icons, and the taskbars of the main and the
    // other monitors.
    for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"})
        if (std::wcscmp(name, shell) == 0) return true;
    return false;
}

struct ProgramSearch {
    std::wstring path;
    HWND found = nullptr;
};

std::wstring ImageOf(DWORD processId) {
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    std::wstring image(32768, L'\0');
    DWORD size = static_cast<DWORD>(image.size());
    if (!::QueryFullProcessImageNameW(process.get(), 0, image.data(), &size)) return {};
    image.resize(size);
    return image;
}

BOOL CALLBACK FindOpenWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ProgramSearch*>(param);
    if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER)) return TRUE;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == ::GetCurrentProcessId()) return TRUE;
    const std::wstring image = ImageOf(processId);
    if (image.empty() || ::CompareStringOrdinal(image.c_str(), static_cast<int>(image.size()),
                                                search.path.c_str(), static_cast<int>(search.path.size()),
                                                TRUE) != CSTR_EQUAL)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

WindowHandle Win32Port::FindProgramWindow(const std::wstring& exePath) {
    ProgramSearch search;
    search.path.resize(32768);
    const DWORD length = ::GetFullPathNameW(exePath.c_str(), static_cast<DWORD>(search.path.size()),
                                            search.path.data(), nullptr);
    if (length == 0 || length >= search.path.size()) return 0;
    search.path.resize(length);
    ::EnumWindows(&FindOpenWindow, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<WindowHandle>(search.found);
}

void Win32Port::SwitchToWindow(WindowHandle window) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (!::IsWindow(hwnd)) return;
    // Another program's window: its thread restores it, not ours.
    if (::IsIconic(hwnd)) ::ShowWindowAsync(hwnd, SW_RESTORE);
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    if (::SetForegroundWindow(hwnd)) return;
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = hwnd;
    flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    ::FlashWindowEx(&flash);
}

ForegroundFacts Win32Port::ForegroundWindowFacts() {
    ForegroundFacts facts;
    QUERY_USER_NOTIFICATION_STATE state{};
    if (SUCCEEDED(::SHQueryUserNotificationState(&state)))
        facts.systemSaysFullScreen = state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN;
    HWND front = ::GetForegroundWindow();
    if (!front) return facts;
    facts.exists = true;
    facts.desktopOrTaskbar = IsDesktopOrTaskbar(front);
    facts.hasCaption = (::GetWindowLongPtrW(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    RECT window{};
    if (::GetWindowRect(front, &window)) facts.window = {window.left, window.top, window.right, window.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoW(::MonitorFromWindow(front, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& m = monitor.rcMonitor;
        facts.monitor = {m.left, m.top, m.right, m.bottom};
    }
    return facts;
}

void Win32Port::RaiseWindow(WindowHandle window) {
    // The window first shows the form's latest state: a form just shown is
    // made visible before it is raised.
    if (beforeModal_) beforeModal_();
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (!::IsWindow(hwnd)) return;
    if (::IsIconic(hwnd)) ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    // Top of its band: a topmost window above the other topmost ones, the
    // windows it owns (its dialogs) above it.
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Granted only with the right; otherwise Windows flashes the window's
    // taskbar button (it has none) and the window stays raised, unfocused.
    ::SetForegroundWindow(hwnd);
}

void Win32Port::EarnForeground() {
    HWND front = ::GetForegroundWindow();
    DWORD frontProcess = 0;
    if (front) ::GetWindowThreadProcessId(front, &frontProcess);
    if (frontProcess == ::GetCurrentProcessId()) return;  // the right is ours already
    if (frontProcess != 0 && !InputReaches(frontProcess)) return;
    INPUT press[2]{};
    for (INPUT& key : press) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = kHarmlessKey;
    }
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, press, sizeof(INPUT));
}

}  // namespace vantrel::win32
