#include "EndCopies.h"

#include <shellapi.h>

#include <vector>

namespace vantrel::setup {
namespace {

struct WindowsOf {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* of = reinterpret_cast<WindowsOf*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != of->pid) return TRUE;
    // The input-method windows the system gives every thread are not the
    // program's to close.
    wchar_t cls[64] = {};
    ::GetClassNameW(hwnd, cls, static_cast<int>(std::size(cls)));
    if (lstrcmpiW(cls, L"IME") != 0 && lstrcmpiW(cls, L"MSCTFIME UI") != 0) of->windows.push_back(hwnd);
    return TRUE;
}

// Top-level windows of the process, hidden ones included (the tray's own
// window is one); EnumWindows lists the windows of this desktop only.
std::vector<HWND> TopLevelWindows(DWORD pid) {
    WindowsOf of{pid, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&of));
    return of.windows;
}

// Asks the copy to end: WM_CLOSE to each of its top-level windows (a window
// of a higher integrity level refuses the message; that copy stays).
void AskToEnd(DWORD pid) {
    for (HWND hwnd : TopLevelWindows(pid)) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

// The program's icon (id 1 of one of its windows) is taken out of the
// notification area before the copy is terminated, so no dead icon stays
// behind. The shell matches icons by window and id, whoever asks.
void RemoveTrayIcon(DWORD pid) {
    for (HWND hwnd : TopLevelWindows(pid)) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = hwnd;
        data.uID = 1;
        ::Shell_NotifyIconW(NIM_DELETE, &data);
    }
}

// Waits until none of the copies runs, or the time is up.
bool WaitForAll(const std::vector<RunningCopy>& copies, DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    for (;;) {
        bool running = false;
        for (const auto& copy : copies) running = running || StillRunning(copy.process.get());
        if (!running) return true;
        if (::GetTickCount64() >= end) return false;
        ::Sleep(100);
    }
}

}  // namespace

EndResult EndRunningCopies(const std::wstring& program, const EndTimes& times) {
    RunningCopies found = FindRunningCopies(program);
    // A copy we cannot even query may be this very file: the file then is in use.
    const auto hiddenCopy = [&] { return found.unreadable > 0 && FileInUse(program); };
    if (found.ours.empty()) return hiddenCopy() ? EndResult::OutOfReach : EndResult::NoneRunning;

    for (const auto& copy : found.ours) AskToEnd(copy.pid);
    bool terminated = false;
    if (!WaitForAll(found.ours, times.orderlyMs)) {
        for (const auto& copy : found.ours) {
            if (!StillRunning(copy.process.get()) || !copy.canTerminate) continue;
            RemoveTrayIcon(copy.pid);
            if (::TerminateProcess(copy.process.get(), 1)) terminated = true;
        }
        if (!WaitForAll(found.ours, times.terminateMs)) return EndResult::OutOfReach;
    }
    if (hiddenCopy()) return EndResult::OutOfReach;
    return terminated ? EndResult::Terminated : EndResult::Ended;
}

}  // namespace vantrel::setup
