// A window's text as a wide string.
#pragma once

#include <string>

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

inline std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

}  // namespace vantrel::win32
