// Acts on the program's tray icon from outside, for the end-to-end tests.
//
//   tray remove       delete the icon (the tray goes by window and id,
//                     whoever calls), as a crashed taskbar loses it
//   tray retaskbar    delete it, then tell every window that the taskbar was
//                     re-created ("TaskbarCreated"), as a restarted Explorer does
//   tray buttons      count the program's visible windows that get a taskbar
//                     button (unowned or WS_EX_APPWINDOW, not tool windows)
//
// Exit 1 when the program's tray window is not found.
#include "Utf8Out.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

HWND TrayWindow() { return FindWindowW(L"VantrelTray", nullptr); }

struct ButtonCount {
    DWORD pid;
    int count;
};

BOOL CALLBACK CountButton(HWND hwnd, LPARAM param) {
    auto* c = reinterpret_cast<ButtonCount*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid || !IsWindowVisible(hwnd)) return TRUE;
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (ex & WS_EX_TOOLWINDOW) return TRUE;
    if (GetWindow(hwnd, GW_OWNER) && !(ex & WS_EX_APPWINDOW)) return TRUE;
    ++c->count;
    return TRUE;
}

bool RemoveIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command != L"remove" && command != L"retaskbar" && command != L"buttons") {
        PrintErrorUtf8(L"tray: usage: tray remove | retaskbar | buttons\n");
        return 2;
    }
    HWND window = TrayWindow();
    if (!window) {
        PrintErrorUtf8(L"tray: no VantrelTray window\n");
        return 1;
    }
    if (command == L"buttons") {
        ButtonCount c{0, 0};
        GetWindowThreadProcessId(window, &c.pid);
        EnumWindows(CountButton, reinterpret_cast<LPARAM>(&c));
        PrintUtf8(L"buttons=" + std::to_wstring(c.count) + L"\n");
        return 0;
    }
    const bool removed = RemoveIcon(window);
    PrintUtf8(std::wstring(L"removed=") + (removed ? L"1" : L"0") + L"\n");
    if (command == L"retaskbar")
        PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    return 0;
}
