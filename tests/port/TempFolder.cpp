#include "TempFolder.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "win32/port/Handles.h"

namespace vantrel::test {
namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    win32::UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (find) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = folder + L"\\" + name;
            ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(find.get(), &entry));
    }
    find.reset();
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    wchar_t base[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, base);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    path_ = std::wstring(base, length);
    if (path_.back() == L'\\') path_.pop_back();
    path_ += L"\\VantrelPortTests-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(counter++);
    RemoveTree(path_);
    if (!::CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create folder");
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::vector<std::wstring> TempFolder::List() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry{};
    win32::UniqueFind find(::FindFirstFileW((path_ + L"\\*").c_str(), &entry));
    if (!find) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(find.get(), &entry));
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadRaw(const std::wstring& path) {
    win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot open file for reading");
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

void WriteRaw(const std::wstring& path, const std::string& bytes) {
    win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw std::runtime_error("cannot create file");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0)
            throw std::runtime_error("cannot write file");
        done += wrote;
    }
}

}  // namespace vantrel::test
