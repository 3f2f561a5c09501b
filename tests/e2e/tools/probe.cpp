// Launch target for the end-to-end tests and the benchmark. Each run appends
// one UTF-8 line
//   cwd=<dir>\tcmd=<command line>\tcreated=<us>\tstarted=<us>\tshow=<how>\r\n
// to probe.log beside this exe, or to the file named by the first argument,
// and exits. The tests count lines to count launches and read how the
// launcher asked the first window to show (show=); the benchmark reads the
// two times, microseconds since 1970 (UTC): when the system created this
// process and when its wmain began.
#include "Utf8Out.h"

#include <windows.h>

#include <iterator>
#include <string>

namespace {

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring full(path, n);
    size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash);
}

// FILETIME (100 ns since 1601) as microseconds since 1970.
long long UnixMicros(const FILETIME& time) {
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<long long>((ticks.QuadPart - 116444736000000000ULL) / 10);
}

std::string CreatedAndStarted() {
    FILETIME now, created, exited, kernel, user;
    GetSystemTimePreciseAsFileTime(&now);
    long long createdUs = 0;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        createdUs = UnixMicros(created);
    return "\tcreated=" + std::to_string(createdUs) + "\tstarted=" + std::to_string(UnixMicros(now));
}

std::wstring CurrentDirectory() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(n, L'\0');
    n = GetCurrentDirectoryW(n, dir.data());
    dir.resize(n);
    return dir;
}

// The show command the starter passed (ShellExecuteEx's nShow arrives as
// STARTUPINFO.wShowWindow with STARTF_USESHOWWINDOW): the number and the
// state a first ShowWindow(SW_SHOWDEFAULT) would give, e.g. "1 normal",
// "2 minimized", "0 hidden"; "default" when the starter set none.
std::string ShowState() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (!(startup.dwFlags & STARTF_USESHOWWINDOW)) return "default";
    const WORD show = startup.wShowWindow;
    const char* state = "normal";
    switch (show) {
    case SW_HIDE: state = "hidden"; break;
    case SW_SHOWMINIMIZED: case SW_MINIMIZE: case SW_SHOWMINNOACTIVE: case SW_FORCEMINIMIZE:
        state = "minimized";
        break;
    case SW_SHOWMAXIMIZED: state = "maximized"; break;
    default: break;
    }
    return std::to_string(show) + " " + state;
}

bool AppendLine(const std::wstring& logPath, const std::string& line) {
    // FILE_APPEND_DATA makes every write land at the end even if two probes
    // run at once, so a double launch shows as two whole lines.
    HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::string times = CreatedAndStarted();
    std::wstring logPath = argc > 1 && argv[1][0] ? std::wstring(argv[1])
                                                  : ExeFolder() + L"\\probe.log";
    std::string line = "cwd=" + ToUtf8(CurrentDirectory()) + "\tcmd=" +
                       ToUtf8(GetCommandLineW()) + times + "\tshow=" + ShowState() + "\r\n";
    return AppendLine(logPath, line) ? 0 : 1;
}
