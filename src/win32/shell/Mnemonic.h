// The mnemonic of a caption: the character after a single "&" ("系统(&S)"
// has 'S'; "&&" is a literal ampersand). Plain C++ for tests.
#pragma once

#include <cwctype>
#include <string>

namespace vantrel::win32 {

// The mnemonic character, upper-cased, or 0 when the caption has none.
inline wchar_t MnemonicOf(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    }
    return 0;
}

inline bool MatchesMnemonic(const std::wstring& caption, wchar_t typed) {
    const wchar_t mnemonic = MnemonicOf(caption);
    return mnemonic != 0 && mnemonic == static_cast<wchar_t>(std::towupper(typed));
}

}  // namespace vantrel::win32
