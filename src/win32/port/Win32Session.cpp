// The process and the Windows session: single instance, program folder,
// ending the process, ending the session.
#include "win32/port/ExitWindowsCall.h"
#include "win32/port/Handles.h"
#include "win32/port/Trace.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"Local\\Vantrel.SingleInstance";

ExitWindowsCall exitWindowsCall = &::ExitWindowsEx;

// ExitWindowsEx refuses a shutdown or restart unless the caller holds this
// privilege enabled in its token.
void EnableShutdownPrivilege() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            token.put()))
        return;
    TOKEN_PRIVILEGES privileges{};
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

}  // namespace

ExitWindowsCall ReplaceExitWindowsCall(ExitWindowsCall call) {
    const ExitWindowsCall previous = exitWindowsCall;
    exitWindowsCall = call ? call : &::ExitWindowsEx;
    return previous;
}

bool Win32Port::ExitWindows(unsigned flags) {
    EnableShutdownPrivilege();
    return exitWindowsCall(flags, 0) != FALSE;
}

bool Win32Port::AnotherInstanceRunning() {
    if (!instanceChecked_) {
        instanceChecked_ = true;
        HANDLE mutex = ::CreateMutexW(nullptr, FALSE, kInstanceMutexName);
        const DWORD error = ::GetLastError();
        // A mutex made by another user may exist yet refuse us: also a copy running.
        anotherInstance_ = mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
        instanceMutex_.reset(mutex);
    }
    return anotherInstance_;
}

void Win32Port::EndProcess() { ::ExitProcess(0); }

void Win32Port::TraceCaughtException(const wchar_t* where) noexcept {
    win32::TraceCaughtException(where);
}

std::wstring Win32Port::ProgramFolder() {
    const std::wstring path = ProgramPath();
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring Win32Port::ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
        if (length == 0) return {};
        if (length < size) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return {};  // longer than any path Windows allows
        path.resize(path.size() * 2);
    }
    return path;
}

}  // namespace vantrel::win32
