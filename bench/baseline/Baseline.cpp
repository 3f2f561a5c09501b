// vantrel_baseline.exe: the least a function-key launcher has to do, as the
// yardstick the benchmark measures Vantrel against. It shows a tray icon,
// polls the keys it is given at the intervals it is given, and opens the
// target bound to a key when that key goes down.
//
//   vantrel_baseline.exe poll=50:7B,74 poll=55:41,42 F5=C:\path\probe.exe
//
// Each poll=MS:KEYS is one timer asking for those virtual keys (hex) every
// MS milliseconds; the benchmark takes them from the keys Vantrel polls
// with the same files (bench/native/PolledKeys.cpp), so both do the same
// work. Without a poll, or with a bound key no timer polls, it refuses to
// start (exit code 2). Nothing else: no windows to show, no files read, no
// resources of its own. Closing its hidden window (WM_CLOSE) ends it.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;

struct Poll {
    UINT ms = 0;
    std::vector<int> keys;
    std::vector<bool> wasDown;  // at the last tick, so a held key opens once
};

std::vector<Poll> g_polls;
// The target of each virtual key (empty: unbound).
const wchar_t* g_targets[256];
wchar_t g_folder[MAX_PATH];

bool IsDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

void PollKeys(HWND window, Poll& poll) {
    for (size_t i = 0; i < poll.keys.size(); ++i) {
        const int key = poll.keys[i];
        const bool down = IsDown(key);
        if (down && !poll.wasDown[i] && g_targets[key])
            ShellExecuteW(window, L"open", g_targets[key], nullptr, g_folder, SW_SHOWNORMAL);
        poll.wasDown[i] = down;
    }
}

// "poll=50:7B,74"; false when it is not one.
bool ParsePoll(const wchar_t* argument) {
    if (wcsncmp(argument, L"poll=", 5) != 0) return false;
    wchar_t* end = nullptr;
    Poll poll;
    poll.ms = wcstoul(argument + 5, &end, 10);
    if (poll.ms == 0 || *end != L':') return false;
    do {
        const unsigned long key = wcstoul(end + 1, &end, 16);
        if (key == 0 || key > 255 || (*end != L',' && *end != L'\0')) return false;
        poll.keys.push_back(static_cast<int>(key));
    } while (*end == L',');
    poll.wasDown.assign(poll.keys.size(), false);
    g_polls.push_back(poll);
    return true;
}

// "F5=C:\x.exe": binds F5; false when it is not a binding.
bool Bind(const wchar_t* argument) {
    if (argument[0] != L'F') return false;
    const wchar_t* equals = wcschr(argument, L'=');
    if (!equals || !equals[1]) return false;
    const int number = _wtoi(argument + 1);
    if (number < 1 || number > 24) return false;
    g_targets[VK_F1 + number - 1] = equals + 1;
    return true;
}

bool Polled(int key) {
    for (const Poll& poll : g_polls)
        for (int k : poll.keys)
            if (k == key) return true;
    return false;
}

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return data;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam >= 1 && wParam <= g_polls.size()) PollKeys(window, g_polls[wParam - 1]);
        return 0;
    case WM_DESTROY: {
        NOTIFYICONDATAW data = IconData(window);
        Shell_NotifyIconW(NIM_DELETE, &data);
        PostQuitMessage(0);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The shell's documentation asks for an apartment before ShellExecute.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i)
        if (!ParsePoll(arguments[i]) && !Bind(arguments[i])) return 2;
    if (g_polls.empty()) return 2;
    for (int key = 0; key < 256; ++key)
        if (g_targets[key] && !Polled(key)) return 2;
    GetModuleFileNameW(nullptr, g_folder, MAX_PATH);
    if (wchar_t* slash = wcsrchr(g_folder, L'\\')) *slash = L'\0';

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VantrelBaseline";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"baseline",
                                  WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;

    NOTIFYICONDATAW data = IconData(window);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wcscpy(data.szTip, L"baseline");
    Shell_NotifyIconW(NIM_ADD, &data);

    for (size_t i = 0; i < g_polls.size(); ++i) SetTimer(window, i + 1, g_polls[i].ms, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    CoUninitialize();
    return 0;
}
