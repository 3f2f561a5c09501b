// Reads and drives the top-level windows of other processes in the same Wine
// prefix and desktop, for the end-to-end tests. Output is UTF-8, one line per
// window or control, fields separated by tabs, the free text last.
//
//   inspect list                       every top-level window
//   inspect find <title>               windows titled exactly <title>; exit 1 if none
//   inspect wait <title> <seconds> [visible|hidden|gone]
//                                      poll until such a window exists (and is
//                                      visible / hidden), or until none is left
//   inspect texts <title>              child controls of that window, with their
//                                      handle and window rect, shown=1 for a control of its own
//                                      visible (WS_VISIBLE, whether or not its window
//                                      is), tabstop=1 for WS_TABSTOP and image=1 for
//                                      a static showing an icon or bitmap
//   inspect focus <title>              the control with the keyboard focus in that
//                                      window's thread (class, id, style, text);
//                                      exit 1 if none
//   inspect click <title> <button>     press the child button with that caption
//                                      (& ignored) or "#<id>"
//   inspect close <title>              post WM_CLOSE to that window
//   inspect send <window> <what>       send that window (a title, or class=<name>
//                                      for an untitled one) a message and print
//                                      its answer: close (WM_CLOSE), sysclose
//                                      (WM_SYSCOMMAND SC_CLOSE, as the close box),
//                                      queryend (WM_QUERYENDSESSION), endsession
//                                      and endcancelled (WM_ENDSESSION TRUE, FALSE)
//   inspect minimize <title>           minimise that window, as another program may
//   inspect cover <seconds> [topmost|full]
//                                      show a window titled "cover" over the screen
//                                      but the taskbar for that long (in the top-most band
//                                      when asked), or over all of it, top-most and
//                                      without a caption: a full-screen program
//   inspect procs [exe name]           running processes (pid, exe name, image path);
//                                      exit 1 if none match
//   inspect version <file>             the file's version resource: the fixed
//                                      file and product versions, then one line
//                                      per translation with its strings
//   inspect copy <text>                put <text> on the clipboard, as another
//                                      program's copy does
//   inspect clipboard                  the text on the clipboard; exit 1 if none
//   inspect at <x> <y>                 the window a click at that screen point
//                                      reaches (WindowFromPoint): its handle,
//                                      process, class, text and chain=its handle
//                                      and its parents' up to the top-level window
#include "ClipboardText.h"
#include "Utf8Out.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

struct TopWindow {
    HWND hwnd;
    DWORD pid;
    std::wstring title;
};

std::wstring WindowText(HWND hwnd) {
    // WM_GETTEXT with a timeout, so a hung owner cannot hang the inspector.
    wchar_t buffer[2048] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 1000, &copied))
        return {};
    return std::wstring(buffer, copied < std::size(buffer) ? copied : std::size(buffer) - 1);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    int n = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wstring(name, n > 0 ? n : 0);
}

std::wstring Hex(const void* value) {
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(value)));
    return text;
}

std::wstring Describe(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    wchar_t fields[256];
    std::swprintf(fields, std::size(fields),
                  L"visible=%d\tenabled=%d\ttopmost=%d\ticonic=%d\trect=%ld,%ld,%ld,%ld",
                  IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
                  (ex & WS_EX_TOPMOST) ? 1 : 0, IsIconic(hwnd) ? 1 : 0, r.left, r.top, r.right,
                  r.bottom);
    return fields;
}

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM param) {
    auto* all = reinterpret_cast<std::vector<TopWindow>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId()) all->push_back({hwnd, pid, WindowText(hwnd)});
    return TRUE;
}

std::vector<TopWindow> TopWindows() {
    std::vector<TopWindow> all;
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Windows titled exactly `title`, visible ones first.
std::vector<HWND> Titled(const std::wstring& title) {
    std::vector<HWND> visible, hidden;
    for (const TopWindow& w : TopWindows())
        if (w.title == title) (IsWindowVisible(w.hwnd) ? visible : hidden).push_back(w.hwnd);
    visible.insert(visible.end(), hidden.begin(), hidden.end());
    return visible;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring WithoutAmpersands(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

int Fail(const std::wstring& message) {
    PrintErrorUtf8(L"inspect: " + message + L"\n");
    return 2;
}

int List() {
    for (const TopWindow& w : TopWindows())
        PrintUtf8(L"hwnd=" + Hex(w.hwnd) + L"\tpid=" + std::to_wstring(w.pid) + L"\t" +
                  Describe(w.hwnd) + L"\tclass=" + ClassOf(w.hwnd) + L"\ttitle=" + w.title + L"\n");
    return 0;
}

int Find(const std::wstring& title) {
    std::vector<HWND> found = Titled(title);
    for (HWND hwnd : found) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        PrintUtf8(L"hwnd=" + Hex(hwnd) + L"\tpid=" + std::to_wstring(pid) + L"\t" + Describe(hwnd) +
                  L"\tclass=" + ClassOf(hwnd) + L"\n");
    }
    return found.empty() ? 1 : 0;
}

int Wait(const std::wstring& title, double seconds, const std::wstring& state) {
    if (state != L"" && state != L"visible" && state != L"hidden" && state != L"gone")
        return Fail(L"wait: unknown state " + state);
    ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        std::vector<HWND> found = Titled(title);
        bool anyVisible = !found.empty() && IsWindowVisible(found.front());
        bool done = state == L"gone"      ? found.empty()
                    : state == L"visible" ? anyVisible
                    : state == L"hidden"  ? !found.empty() && !anyVisible
                                          : !found.empty();
        if (done) return state == L"gone" ? 0 : Find(title);
        if (GetTickCount64() >= deadline) return 1;
        Sleep(100);
    }
}

// 1 when the control is a static that shows an icon or a bitmap, else 0.
int ShowsImage(HWND control) {
    if (ClassOf(control) != L"Static") return 0;
    LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK;
    if (type != SS_ICON && type != SS_BITMAP) return 0;
    DWORD_PTR image = 0;
    SendMessageTimeoutW(control, STM_GETIMAGE, type == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP, 0,
                        SMTO_ABORTIFHUNG, 1000, &image);
    return image != 0 ? 1 : 0;
}

int TabStop(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) ? 1 : 0; }
int Shown(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) ? 1 : 0; }

int Texts(const std::wstring& title) {
    std::vector<HWND> found = Titled(title);
    if (found.empty()) return Fail(L"no window titled " + title);
    for (HWND child : Children(found.front()))
        PrintUtf8(L"class=" + ClassOf(child) + L"\tid=" + std::to_wstring(GetDlgCtrlID(child)) +
                  L"\thwnd=" + Hex(child) + L"\t" + Describe(child) + L"\tshown=" + std::to_wstring(Shown(child)) +
                  L"\ttabstop=" + std::to_wstring(TabStop(child)) +
                  L"\timage=" + std::to_wstring(ShowsImage(child)) + L"\ttext=" + WindowText(child) +
                  L"\n");
    return 0;
}

int Focus(const std::wstring& title) {
    std::vector<HWND> found = Titled(title);
    if (found.empty()) return Fail(L"no window titled " + title);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(found.front(), nullptr), &thread))
        return Fail(L"no thread information for " + title);
    HWND focus = thread.hwndFocus;
    if (!focus) return 1;
    wchar_t style[32];
    std::swprintf(style, std::size(style), L"0x%08lx",
                  static_cast<unsigned long>(GetWindowLongPtrW(focus, GWL_STYLE)));
    PrintUtf8(L"hwnd=" + Hex(focus) + L"\tclass=" + ClassOf(focus) + L"\tid=" +
              std::to_wstring(GetDlgCtrlID(focus)) + L"\tstyle=" + style + L"\ttabstop=" +
              std::to_wstring(TabStop(focus)) + L"\t" + Describe(focus) + L"\ttext=" +
              WindowText(focus) + L"\n");
    return 0;
}

int Click(const std::wstring& title, const std::wstring& button) {
    std::vector<HWND> found = Titled(title);
    if (found.empty()) return Fail(L"no window titled " + title);
    bool byId = button.size() > 1 && button[0] == L'#';
    int id = byId ? _wtoi(button.c_str() + 1) : 0;
    for (HWND child : Children(found.front())) {
        bool match = byId ? GetDlgCtrlID(child) == id
                          : WithoutAmpersands(WindowText(child)) == WithoutAmpersands(button);
        if (!match) continue;
        // BM_CLICK runs in the owner's thread: it presses and releases the
        // button there and the dialog gets its BN_CLICKED as from the mouse.
        DWORD_PTR result = 0;
        SendMessageTimeoutW(child, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 3000, &result);
        return 0;
    }
    return Fail(L"no control " + button + L" in " + title);
}

int Close(const std::wstring& title) {
    std::vector<HWND> found = Titled(title);
    if (found.empty()) return Fail(L"no window titled " + title);
    PostMessageW(found.front(), WM_CLOSE, 0, 0);
    return 0;
}

// The window a `send` names: a title, or class=<name> for an untitled one.
HWND Target(const std::wstring& name) {
    const std::wstring prefix = L"class=";
    if (name.rfind(prefix, 0) != 0) {
        std::vector<HWND> found = Titled(name);
        return found.empty() ? nullptr : found.front();
    }
    for (const TopWindow& w : TopWindows())
        if (ClassOf(w.hwnd) == name.substr(prefix.size())) return w.hwnd;
    return nullptr;
}

int Send(const std::wstring& name, const std::wstring& what) {
    HWND target = Target(name);
    if (!target) return Fail(L"no window " + name);
    struct Message { const wchar_t* what; UINT message; WPARAM wParam; };
    const Message messages[] = {{L"close", WM_CLOSE, 0},           {L"sysclose", WM_SYSCOMMAND, SC_CLOSE},
                                {L"queryend", WM_QUERYENDSESSION, 0}, {L"endsession", WM_ENDSESSION, TRUE},
                                {L"endcancelled", WM_ENDSESSION, FALSE}};
    for (const Message& m : messages) {
        if (what != m.what) continue;
        DWORD_PTR result = 0;
        // The window's process may end inside the call: no answer then.
        if (!SendMessageTimeoutW(target, m.message, m.wParam, 0, SMTO_ABORTIFHUNG, 5000, &result))
        {
            PrintUtf8(L"answer=none\n");
            return 0;
        }
        PrintUtf8(L"answer=" + std::to_wstring(result) + L"\n");
        return 0;
    }
    return Fail(L"send: unknown message " + what);
}

int Minimize(const std::wstring& title) {
    std::vector<HWND> found = Titled(title);
    if (found.empty()) return Fail(L"no window titled " + title);
    ShowWindowAsync(found.front(), SW_MINIMIZE);
    return 0;
}

int Cover(double seconds, const std::wstring& how) {
    const bool topmost = how == L"topmost" || how == L"full", full = how == L"full";
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"E2ECover";
    RegisterClassW(&wc);
    // All but the taskbar at the bottom, so the tray icon can still be
    // clicked; or the whole screen, as a game or a video.
    HWND cover = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, wc.lpszClassName, L"cover", WS_POPUP | WS_VISIBLE,
                                 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN) - (full ? 0 : 40), nullptr, nullptr,
                                 wc.hInstance, nullptr);
    if (!cover) return Fail(L"cannot create the cover window");
    SetForegroundWindow(cover);
    PrintUtf8(L"covered\n");
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return 0;
}

// The full path of a process's executable, empty when it cannot be read.
std::wstring ImagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return {};
    wchar_t path[MAX_PATH * 4] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    const bool read = QueryFullProcessImageNameW(process, 0, path, &size) != FALSE;
    CloseHandle(process);
    return read ? std::wstring(path, size) : std::wstring();
}

int Procs(const std::wstring& name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return Fail(L"no process snapshot");
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int matches = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (!name.empty() && _wcsicmp(entry.szExeFile, name.c_str()) != 0) continue;
        ++matches;
        PrintUtf8(L"pid=" + std::to_wstring(entry.th32ProcessID) + L"\texe=" + entry.szExeFile + L"\tpath=" +
                  ImagePath(entry.th32ProcessID) + L"\n");
    }
    CloseHandle(snapshot);
    return name.empty() || matches > 0 ? 0 : 1;
}

int Version(const std::wstring& file) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return Fail(L"no version resource in " + file);
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return Fail(L"cannot read the version of " + file);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return Fail(L"no fixed version in " + file);
    auto dotted = [](DWORD ms, DWORD ls) {
        return std::to_wstring(HIWORD(ms)) + L"," + std::to_wstring(LOWORD(ms)) + L"," +
               std::to_wstring(HIWORD(ls)) + L"," + std::to_wstring(LOWORD(ls));
    };
    PrintUtf8(L"file=" + dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS) +
              L"\tproduct=" + dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS) + L"\n");
    struct Translation { WORD language, codePage; };
    Translation* translations = nullptr;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length))
        return 0;
    for (UINT i = 0; i < length / sizeof(Translation); ++i) {
        wchar_t block[16];
        swprintf(block, 16, L"%04x%04x", translations[i].language, translations[i].codePage);
        std::wstring line = L"block=" + std::wstring(block);
        for (const wchar_t* name : {L"CompanyName", L"ProductName", L"FileVersion", L"ProductVersion", L"FileDescription"}) {
            std::wstring query = L"\\StringFileInfo\\" + std::wstring(block) + L"\\" + name;
            wchar_t* value = nullptr;
            UINT chars = 0;
            bool found = VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars) && value;
            line += L"\t" + std::wstring(name) + L"=" + (found ? std::wstring(value) : std::wstring());
        }
        PrintUtf8(line + L"\n");
    }
    return 0;
}

int Copy(const std::wstring& text) {
    return PutClipboardText(nullptr, text) ? 0 : Fail(L"copy: the clipboard took nothing");
}

int Clipboard() {
    if (!OpenClipboard(nullptr)) return Fail(L"clipboard: busy");
    std::wstring text;
    bool found = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            found = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!found) return Fail(L"clipboard: no text");
    PrintUtf8(text + L"\n");
    return 0;
}

int At(const wchar_t* x, const wchar_t* y) {
    const POINT point{_wtoi(x), _wtoi(y)};
    HWND hwnd = WindowFromPoint(point);
    if (!hwnd) return Fail(L"no window at " + std::wstring(x) + L"," + y);
    std::wstring chain;
    for (HWND w = hwnd; w; w = (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr)
        chain += (chain.empty() ? L"" : L",") + Hex(w);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    PrintUtf8(L"hwnd=" + Hex(hwnd) + L"\tpid=" + std::to_wstring(pid) + L"\tclass=" + ClassOf(hwnd) +
              L"\tchain=" + chain + L"\ttext=" +
              WindowText(hwnd) + L"\n");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring command = argc > 1 ? argv[1] : L"";
    auto arg = [&](int i) { return i < argc ? std::wstring(argv[i]) : std::wstring(); };
    if (command == L"list" && argc == 2) return List();
    if (command == L"find" && argc == 3) return Find(arg(2));
    if (command == L"wait" && (argc == 4 || argc == 5)) return Wait(arg(2), _wtof(argv[3]), arg(4));
    if (command == L"texts" && argc == 3) return Texts(arg(2));
    if (command == L"focus" && argc == 3) return Focus(arg(2));
    if (command == L"click" && argc == 4) return Click(arg(2), arg(3));
    if (command == L"close" && argc == 3) return Close(arg(2));
    if (command == L"send" && argc == 4) return Send(arg(2), arg(3));
    if (command == L"minimize" && argc == 3) return Minimize(arg(2));
    if (command == L"cover" && (argc == 3 || argc == 4)) return Cover(_wtof(argv[2]), arg(3));
    if (command == L"procs" && argc <= 3) return Procs(arg(2));
    if (command == L"version" && argc == 3) return Version(arg(2));
    if (command == L"copy" && argc == 3) return Copy(arg(2));
    if (command == L"clipboard" && argc == 2) return Clipboard();
    if (command == L"at" && argc == 4) return At(argv[2], argv[3]);
    return Fail(L"usage: inspect list | find T | wait T SECONDS [visible|hidden|gone] | texts T | "
                L"focus T | click T BUTTON | close T | send W WHAT | minimize T | cover SECONDS [topmost|full] | "
                L"procs [EXE] | version FILE | copy TEXT | clipboard | at X Y");
}
