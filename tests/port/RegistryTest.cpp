// Registry values through the port and the Registry module above it, against
// the real (Wine) registry under HKCU\Software\VantrelPortTests.
#include <gtest/gtest.h>

#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"
#include "system/Registry.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kTestsRoot[] = L"Software\\VantrelPortTests";

class Registry : public testing::Test {
protected:
    Win32Port port;
    const RegRoot root = RegRoot::CurrentUser;
    std::wstring base = std::wstring(kTestsRoot) + L"\\" + std::to_wstring(::GetCurrentProcessId());

    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestsRoot);  // only when no other run uses it
    }

    bool KeyExists(const std::wstring& subKey) {
        UniqueHKey key;
        return ::RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, key.put()) ==
               ERROR_SUCCESS;
    }

    // Stores bytes of any type exactly as given, as another program might.
    void SetRaw(const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
        UniqueHKey key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, base.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                    nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(key.get(), name.c_str(), 0, type,
                                   static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }
};

TEST_F(Registry, MissingKeyOrValueGivesNothing) {
    EXPECT_EQ(port.RegQuery(root, base + L"\\absent", L"Path"), std::nullopt);
    EXPECT_EQ(GetRegString(port, root, base + L"\\absent", L"Path"), L"");
    SetRegString(port, root, base, L"Other", L"x");
    EXPECT_EQ(port.RegQuery(root, base, L"Path"), std::nullopt);
    EXPECT_EQ(GetRegString(port, root, base, L"Path"), L"");
}

TEST_F(Registry, StringIsStoredWithItsTerminatorAndReadBack) {
    SetRegString(port, root, base, L"Path", L"C:\\Tools\\记事本.exe");
    const auto value = port.RegQuery(root, base, L"Path");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->data, std::wstring(L"C:\\Tools\\记事本.exe") + L'\0');
    EXPECT_EQ(GetRegString(port, root, base, L"Path"), L"C:\\Tools\\记事本.exe");
}

TEST_F(Registry, EmptyStringAndDefaultValue) {
    SetRegString(port, root, base, L"Empty", L"");
    const auto value = port.RegQuery(root, base, L"Empty");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, std::wstring(1, L'\0'));
    EXPECT_EQ(GetRegString(port, root, base, L"Empty"), L"");

    SetRegString(port, root, base, L"", L"默认");
    EXPECT_EQ(GetRegString(port, root, base, L""), L"默认");
}

TEST_F(Registry, ExpandStringIsNotAString) {
    const wchar_t data[] = L"%SystemRoot%\\notepad.exe";
    SetRaw(L"Path", REG_EXPAND_SZ, data, sizeof data);
    const auto value = port.RegQuery(root, base, L"Path");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, kRegExpandSz);
    EXPECT_EQ(GetRegString(port, root, base, L"Path"), L"");
}

TEST_F(Registry, EmbeddedNulIsKeptByThePortAndCutAbove) {
    const wchar_t data[] = L"ab\0cd";  // six units with the terminator
    SetRaw(L"Path", REG_SZ, data, sizeof data);
    const auto value = port.RegQuery(root, base, L"Path");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, std::wstring(data, 6));
    EXPECT_EQ(GetRegString(port, root, base, L"Path"), L"ab");
}

TEST_F(Registry, ValueStoredWithoutTerminatorComesBackWhole) {
    // Windows adds the terminator itself when the unit after the data is one,
    // so the buffer goes on past the stored part.
    const wchar_t data[] = L"calc.exe|";
    SetRaw(L"Path", REG_SZ, data, 8 * sizeof(wchar_t));
    const auto value = port.RegQuery(root, base, L"Path");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, L"calc.exe");
    EXPECT_EQ(GetRegString(port, root, base, L"Path"), L"calc.exe");
}

TEST_F(Registry, OddTrailingByteIsDropped) {
    const wchar_t data[] = L"abc|";
    SetRaw(L"Path", REG_SZ, data, 7);
    const auto value = port.RegQuery(root, base, L"Path");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, L"abc");
}

TEST_F(Registry, SettingCreatesMissingLevels) {
    const std::wstring deep = base + L"\\一\\two\\三";
    ASSERT_FALSE(KeyExists(base));
    SetRegString(port, root, deep, L"Name", L"值");
    EXPECT_TRUE(KeyExists(deep));
    EXPECT_EQ(GetRegString(port, root, deep, L"Name"), L"值");
}

TEST_F(Registry, DeleteRemovesTheValueAndIgnoresWhatIsNotThere) {
    SetRegString(port, root, base, L"Path", L"x");
    SetRegString(port, root, base, L"Keep", L"y");
    DeleteRegValue(port, root, base, L"Path");
    EXPECT_EQ(port.RegQuery(root, base, L"Path"), std::nullopt);
    EXPECT_EQ(GetRegString(port, root, base, L"Keep"), L"y");

    DeleteRegValue(port, root, base, L"Path");
    DeleteRegValue(port, root, base + L"\\absent\\deeper", L"Path");
    EXPECT_FALSE(KeyExists(base + L"\\absent"));
}

}  // namespace
}  // namespace vantrel::win32
