#include "win32/port/Trace.h"

#include <cstdio>
#include <exception>
#include <string>

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {
namespace {

// The exception's own message, widened byte by byte from its ASCII text
// (what() is narrow and its encoding unknown).
std::wstring Describe(const std::exception_ptr& caught) {
    try {
        std::rethrow_exception(caught);
    } catch (const std::exception& e) {
        std::wstring text;
        for (const char* p = e.what(); p && *p; ++p)
            text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
        return text;
    } catch (...) {
        return L"unknown exception";
    }
}

}  // namespace

void TraceCaughtException(const wchar_t* where) noexcept {
    try {
        const std::exception_ptr caught = std::current_exception();
        const std::wstring line = std::wstring(L"Vantrel: ") + (where ? where : L"") + L": " +
                                  (caught ? Describe(caught) : L"no exception") + L"\n";
        ::OutputDebugStringW(line.c_str());
    } catch (...) {
        ::OutputDebugStringW(L"Vantrel: exception (and no memory to describe it)\n");
    }
}

void TraceShown(const wchar_t* caption, double milliseconds) noexcept {
    wchar_t line[160];
    std::swprintf(line, sizeof line / sizeof line[0], L"Vantrel: shown %.60ls %.1f ms after its event\n",
                  caption ? caption : L"", milliseconds);
    ::OutputDebugStringW(line);
}

}  // namespace vantrel::win32
