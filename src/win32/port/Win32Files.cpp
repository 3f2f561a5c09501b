// Files: existence, reading lines or bytes, atomic replacement, deletion.
#include <algorithm>
#include <climits>
#include <vector>

#include "platform/TextLines.h"
#include "win32/port/FileErrors.h"
#include "win32/port/Gbk.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

constexpr std::size_t kMaxReadBytes = static_cast<std::size_t>(kMaxFileBytes);
constexpr DWORD kReadChunk = 1u << 20;

bool HasWildcard(const std::wstring& path) {
    // "\\?\" is the long-path prefix, not a wildcard.
    const std::size_t from = path.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
    return path.find_first_of(L"*?", from) != std::wstring::npos;
}

std::optional<std::string> ReadAllBytes(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxReadBytes)
        return std::nullopt;

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    std::string chunk(kReadChunk, '\0');
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk.data(), kReadChunk, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        if (bytes.size() + got > kMaxReadBytes) return std::nullopt;
        bytes.append(chunk.data(), got);
    }
    return bytes;
}

bool WriteAllBytes(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kReadChunk));
        DWORD wrote = 0;
        if (!::WriteFile(file, bytes.data() + done, want, &wrote, nullptr)) return false;
        if (wrote == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += wrote;
    }
    return true;
}

// Writes the bytes to a new file at `tempPath`, flushed to disk and closed.
// On failure the error is left in GetLastError().
bool WriteTempFile(const std::wstring& tempPath, const std::string& bytes) {
    UniqueFile file(::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (!WriteAllBytes(file.get(), bytes) || !::FlushFileBuffers(file.get())) return false;
    if (!::CloseHandle(file.release())) return false;
    return true;
}

// A refused rename says only "access denied" when another program holds the
// target open without sharing deletion; ask the file itself which it is.
DWORD ReplaceError(const std::wstring& path, DWORD error) {
    if (error != ERROR_ACCESS_DENIED) return error;
    UniqueFile probe(::CreateFileW(path.c_str(), DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe && ::GetLastError() == ERROR_SHARING_VIOLATION) return ERROR_SHARING_VIOLATION;
    return error;
}

// Gives `replacement` what the user or an administrator set on `target`,
// its attributes and its access list, which a rename alone would lose. What
// cannot be carried over is left at the folder's defaults.
void CarryOverSettings(const std::wstring& target, const std::wstring& replacement) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                       FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    ::SetFileAttributesW(replacement.c_str(), (attributes & kept) ? (attributes & kept)
                                                                    : FILE_ATTRIBUTE_NORMAL);
    DWORD size = 0;
    ::GetFileSecurityW(target.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    if (size == 0) return;
    std::vector<unsigned char> descriptor(size);
    if (::GetFileSecurityW(target.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size,
                           &size))
        ::SetFileSecurityW(replacement.c_str(), DACL_SECURITY_INFORMATION, descriptor.data());
}

bool IsReadOnly(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool Win32Port::FileExists(const std::wstring& path) {
    if (path.empty() || HasWildcard(path)) return false;
    WIN32_FIND_DATAW found{};
    UniqueFind find(::FindFirstFileW(path.c_str(), &found));
    if (!find) return false;
    const DWORD notNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & notNormal) == 0;
}

std::optional<std::vector<std::wstring>> Win32Port::ReadLines(const std::wstring& path) {
    const auto bytes = ReadAllBytes(path);
    if (!bytes) return std::nullopt;
    std::vector<std::wstring> lines;
    for (const std::string& line : SplitLines(*bytes)) lines.push_back(DecodeGbk(line));
    return lines;
}

std::optional<std::string> Win32Port::ReadBytes(const std::wstring& path) {
    return ReadAllBytes(path);
}

std::optional<std::wstring> Win32Port::ReadText(const std::wstring& path) {
    const auto bytes = ReadAllBytes(path);
    if (!bytes) return std::nullopt;
    return DecodeGbk(*bytes);
}

IoResult Win32Port::WriteLine(const std::wstring& path, const std::wstring& line) {
    auto bytes = EncodeGbk(line);
    if (!bytes) return IoResult::Fail(kUnencodableReason);
    bytes->append("\r\n");
    return WriteBytes(path, *bytes);
}

IoResult Win32Port::WriteBytes(const std::wstring& path, const std::string& bytes) {
    // Refused before anything is written (MoveFileOver would refuse too, but
    // only after the copy, and a full disk would then hide the real reason).
    if (IsReadOnly(path)) return IoResult::Fail(FileErrorReason(ERROR_ACCESS_DENIED));
    const std::wstring tempPath = path + kWriteTempSuffix;
    if (!WriteTempFile(tempPath, bytes)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(tempPath.c_str());
        return IoResult::Fail(FileErrorReason(error));
    }
    const IoResult moved = MoveFileOver(tempPath, path);
    if (!moved.ok) ::DeleteFileW(tempPath.c_str());
    return moved;
}

IoResult Win32Port::MoveFileOver(const std::wstring& from, const std::wstring& to) {
    // Replacing a read-only file would succeed on some systems; its owner
    // asked for it to stay as it is.
    if (IsReadOnly(to)) return IoResult::Fail(FileErrorReason(ERROR_ACCESS_DENIED));
    CarryOverSettings(to, from);
    // A rename is the one step that cannot be cut in half: the file is the
    // old one or the new one, and nothing is left beside it.
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return IoResult::Ok();
    return IoResult::Fail(FileErrorReason(ReplaceError(to, ::GetLastError())));
}

bool Win32Port::CanStore(const std::wstring& text) { return RoundTripsGbk(text); }

std::optional<std::wstring> Win32Port::DecodeExact(const std::string& bytes) {
    return DecodeGbkExact(bytes);
}

std::optional<std::string> Win32Port::Encode(const std::wstring& text) { return EncodeGbk(text); }

std::optional<std::uint64_t> Win32Port::FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || HasWildcard(path) ||
        !::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

IoResult Win32Port::RemoveFile(const std::wstring& path) {
    if (::DeleteFileW(path.c_str())) return IoResult::Ok();
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return IoResult::Ok();
    return IoResult::Fail(FileErrorReason(error));
}

}  // namespace vantrel::win32
