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

// Values another program stored, byte for byte: what the port reads back,
// and what the helpers above make of it.
TEST_F(Registry, StoredValuesComeBackAsStoredAndOnlyStringsReadAsText) {
    const wchar_t expand[] = L"%SystemRoot%\\notepad.exe", nul[] = L"ab\0cd", open[] = L"calc.exe|",
                  odd[] = L"abc|";
    struct Row {
        const wchar_t* name;
        DWORD type;
        const void* data;
        DWORD bytes;
        std::wstring read, text;
    };
    const Row rows[] = {
        {L"Expand", REG_EXPAND_SZ, expand, sizeof expand, std::wstring(expand, std::size(expand)), L""},
        // Six units with the terminator: the port keeps them, the text stops at the first.
        {L"Nul", REG_SZ, nul, sizeof nul, std::wstring(nul, 6), L"ab"},
        // Without a terminator: Windows adds one itself when the unit after
        // the data is one, so the buffer must go on past the stored part.
        {L"Open", REG_SZ, open, 8 * sizeof(wchar_t), L"calc.exe", L"calc.exe"},
        {L"Odd", REG_SZ, odd, 7, L"abc", L"abc"},
    };
    for (const Row& row : rows) {
        SetRaw(row.name, row.type, row.data, row.bytes);
        const auto value = port.RegQuery(root, base, row.name);
        ASSERT_TRUE(value.has_value()) << row.name;
        EXPECT_EQ(value->type, row.type) << row.name;
        EXPECT_EQ(value->data, row.read) << row.name;
        EXPECT_EQ(GetRegString(port, root, base, row.name), row.text) << row.name;
    }
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
