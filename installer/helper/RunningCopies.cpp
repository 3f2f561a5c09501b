#include "RunningCopies.h"

#include <tlhelp32.h>

namespace vantrel::setup {
namespace {

using win32::UniqueFile;

std::wstring FileName(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring ImagePath(HANDLE process) {
    wchar_t buffer[32768];
    DWORD size = static_cast<DWORD>(std::size(buffer));
    if (!::QueryFullProcessImageNameW(process, 0, buffer, &size)) return {};
    return std::wstring(buffer, size);
}

// Volume and file index: one file whatever name (8.3, another drive letter,
// a junction) reaches it.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    UniqueFile file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::GetFileInformationByHandle(file.get(), &info);
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    if (SameText(a, b)) return true;
    BY_HANDLE_FILE_INFORMATION x{}, y{};
    return FileIdentity(a, x) && FileIdentity(b, y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

bool InThisSession(DWORD pid) {
    DWORD mine = 0, theirs = 0;
    if (!::ProcessIdToSessionId(::GetCurrentProcessId(), &mine)) return true;
    return !::ProcessIdToSessionId(pid, &theirs) || theirs == mine;
}

}  // namespace

std::wstring ProgramPath(const std::wstring& folder) {
    wchar_t buffer[32768];
    const DWORD n = ::GetFullPathNameW(folder.c_str(), static_cast<DWORD>(std::size(buffer)), buffer, nullptr);
    std::wstring full = n > 0 && n < std::size(buffer) ? std::wstring(buffer, n) : folder;
    while (!full.empty() && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
    return full + L"\\Vantrel.exe";
}

RunningCopies FindRunningCopies(const std::wstring& program) {
    RunningCopies found;
    UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return found;
    const std::wstring name = FileName(program);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        if (!SameText(entry.szExeFile, name) || !InThisSession(entry.th32ProcessID)) continue;
        RunningCopy copy;
        copy.pid = entry.th32ProcessID;
        copy.process.reset(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, copy.pid));
        copy.canTerminate = static_cast<bool>(copy.process);
        if (!copy.process)
            copy.process.reset(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, copy.pid));
        if (!copy.process) {
            // Ended since the snapshot, or out of our reach.
            if (::GetLastError() == ERROR_ACCESS_DENIED) ++found.unreadable;
            continue;
        }
        const std::wstring image = ImagePath(copy.process.get());
        if (!image.empty() && StillRunning(copy.process.get()) && SameFile(image, program))
            found.ours.push_back(std::move(copy));
    }
    return found;
}

bool StillRunning(HANDLE process) {
    DWORD code = 0;
    return ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
}

bool FileInUse(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace vantrel::setup
