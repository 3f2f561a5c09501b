// The contract between the killed-save test and the child process it starts
// and kills: the child saves one pair of files after the other, for ever.
#pragma once

#include <string>
#include <vector>

#include "engine/SaveTransaction.h"
#include "win32/port/Gbk.h"

namespace vantrel::test {

constexpr wchar_t kChildSaveLoopFlag[] = L"--child-save-loop";

// The two pairs the child alternates between, for the files in `folder`.
inline std::vector<FileChange> SavePair(const std::wstring& folder, int which) {
    const std::wstring function = folder + L"\\Function.dll", custom = folder + L"\\Custom.dll";
    using win32::EncodeGbk;
    if (which == 0)
        return {{function, EncodeGbk(L"无,F2,无,无,无,无,无")}, {custom, EncodeGbk(L"F5   C:\\音乐\\一.m3u")}};
    std::wstring many;  // long enough that a write takes a while
    for (int i = 0; i < 2000; ++i) many += (i ? L"," : L"") + std::wstring(L"F6   D:\\影片\\第二.avi");
    return {{function, EncodeGbk(L"F3,无,无,无,无,无,无")}, {custom, EncodeGbk(many)}};
}

// Runs in the child: signals `readyEvent` once, then saves pair 0 and pair 1
// in turn until it is killed.
int RunSaveLoop(const std::wstring& folder, const std::wstring& readyEvent);

}  // namespace vantrel::test
