// The registry helpers' reading rules over stored values.
#include <gtest/gtest.h>

#include "fake/FakePort.h"
#include "system/Registry.h"

namespace vantrel::testing {
namespace {

TEST(GetRegString, OnlyStringValuesAreReadAndCutAtTheFirstNul) {
    FakePort port;
    const std::wstring key = L"Software\\T";
    auto put = [&](const wchar_t* name, std::uint32_t type, std::wstring data) {
        port.registry[{RegRoot::CurrentUser, key, name}] = RegValue{type, std::move(data)};
    };
    put(L"plain", kRegSz, std::wstring(L"中文 text\0", 8));
    put(L"expand", kRegExpandSz, std::wstring(L"%PATH%\0", 7));
    put(L"empty", kRegSz, std::wstring(L"\0", 1));
    put(L"nul", kRegSz, std::wstring(L"ab\0cd\0", 6));
    put(L"unterminated", kRegSz, L"whole");
    put(L"dword", 4, L"\x1234");
    auto get = [&](const wchar_t* name) { return GetRegString(port, RegRoot::CurrentUser, key, name); };
    EXPECT_EQ(get(L"plain"), L"中文 text");
    EXPECT_EQ(get(L"expand"), L"");
    EXPECT_EQ(get(L"empty"), L"");
    EXPECT_EQ(get(L"nul"), L"ab");
    EXPECT_EQ(get(L"unterminated"), L"whole");
    EXPECT_EQ(get(L"dword"), L"");
    EXPECT_EQ(get(L"missing"), L"");
    EXPECT_EQ(GetRegString(port, RegRoot::LocalMachine, key, L"plain"), L"");
}

}  // namespace
}  // namespace vantrel::testing
