// A program with a window of its own, for the end-to-end tests of switching
// to a program already open and of the end of the session: each start
// appends "started" to window.log beside the exe, then shows a normal window
// titled "window" for a minute; the session's end, as Windows tells every
// program, appends "queryend" (WM_QUERYENDSESSION, answered yes) and
// "endsession=<wParam>" (WM_ENDSESSION).
#include <windows.h>

#include <string>

namespace {

std::wstring logPath;

void Log(const char* line) {
    HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = std::string(line) + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION:
        Log("queryend");
        return TRUE;
    case WM_ENDSESSION:
        Log(wParam ? "endsession=1" : "endsession=0");
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    logPath.assign(path, n);
    logPath = logPath.substr(0, logPath.find_last_of(L'\\') + 1) + L"window.log";
    Log("started");
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"E2EWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                                  300, nullptr, nullptr, wc.hInstance, nullptr);
    const ULONGLONG end = GetTickCount64() + 60000;
    while (IsWindow(window) && GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return 0;
}
