// vantrel_baseline.exe: the least a function-key launcher has to do, as the
// yardstick the benchmark measures Vantrel against. It shows a tray icon,
// polls F2..F12 every 50 ms and opens the target bound to a key when that key
// goes down, and polls the 36 letter and digit keys every 55 ms (the voice
// keys' poll) without doing anything with them.
//
//   vantrel_baseline.exe F5=C:\path\probe.exe [F6=C:\other.txt ...]
//
// Nothing else: no windows to show, no files read, no resources of its own.
// Closing its hidden window (WM_CLOSE) ends it.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace {

constexpr UINT_PTR kHotkeyTimer = 1;
constexpr UINT_PTR kVoiceTimer = 2;
constexpr UINT kHotkeyMs = 50;
constexpr UINT kVoiceMs = 55;
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kFirstKey = VK_F2;
constexpr int kKeyCount = VK_F12 - VK_F2 + 1;

// The target of each of F2..F12 (empty: unbound), and whether the key was
// down at the last poll, so a held key opens its target once.
wchar_t* g_targets[kKeyCount];
bool g_wasDown[kKeyCount];
wchar_t g_folder[MAX_PATH];

bool IsDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

void PollFunctionKeys(HWND window) {
    for (int i = 0; i < kKeyCount; ++i) {
        const bool down = IsDown(kFirstKey + i);
        if (down && !g_wasDown[i] && g_targets[i])
            ShellExecuteW(window, L"open", g_targets[i], nullptr, g_folder, SW_SHOWNORMAL);
        g_wasDown[i] = down;
    }
}

void PollVoiceKeys() {
    int down = 0;
    for (int key = 'A'; key <= 'Z'; ++key) down += IsDown(key);
    for (int key = '0'; key <= '9'; ++key) down += IsDown(key);
    (void)down;
}

// "F5=C:\x.exe": binds F5. Anything else is ignored.
void Bind(wchar_t* argument) {
    if (argument[0] != L'F') return;
    wchar_t* equals = wcschr(argument, L'=');
    if (!equals || !equals[1]) return;
    *equals = L'\0';
    const int number = _wtoi(argument + 1);
    if (number >= 2 && number <= 12) g_targets[number - 2] = equals + 1;
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
        if (wParam == kHotkeyTimer) PollFunctionKeys(window);
        if (wParam == kVoiceTimer) PollVoiceKeys();
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
    for (int i = 1; arguments && i < count; ++i) Bind(arguments[i]);
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

    SetTimer(window, kHotkeyTimer, kHotkeyMs, nullptr);
    SetTimer(window, kVoiceTimer, kVoiceMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    CoUninitialize();
    return 0;
}
