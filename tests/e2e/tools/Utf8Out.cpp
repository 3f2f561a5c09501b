#include "Utf8Out.h"

#include <windows.h>


std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        size, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        size);
    return out;
}

namespace {

void WriteAll(DWORD which, const std::string& bytes) {
    // WriteFile on the raw handle: no CRT text mode turning LF into CR LF.
    HANDLE out = GetStdHandle(which);
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &wrote,
                       nullptr) || wrote == 0)
            return;
        done += wrote;
    }
}

}  // namespace

void PrintUtf8(const std::wstring& text) { WriteAll(STD_OUTPUT_HANDLE, ToUtf8(text)); }

void PrintErrorUtf8(const std::wstring& text) { WriteAll(STD_ERROR_HANDLE, ToUtf8(text)); }
