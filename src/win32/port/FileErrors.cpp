#include "win32/port/FileErrors.h"

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

const wchar_t kUnencodableReason[] = L"内容含有无法以 GBK 编码保存的字符";

namespace {

std::wstring SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) ::LocalFree(buffer);
    // The system's messages end in a line break and often a full stop.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.' || text.back() == L'。'))
        text.pop_back();
    return text;
}

}  // namespace

std::wstring FileErrorReason(unsigned long errorCode) {
    switch (errorCode) {
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_FILE_READ_ONLY:
            return L"没有写入权限（文件或文件夹只读，或被拒绝访问）";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return L"磁盘空间不足";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return L"文件正被其他程序使用";
        case ERROR_PATH_NOT_FOUND:
            return L"找不到文件夹";
        default:
            break;
    }
    const std::wstring code = L"错误代码 " + std::to_wstring(errorCode);
    const std::wstring text = SystemMessage(static_cast<DWORD>(errorCode));
    return text.empty() ? code : text + L"（" + code + L"）";
}

}  // namespace vantrel::win32
