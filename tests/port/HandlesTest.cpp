// The owning handle types close exactly what they hold, exactly once.
#include <gtest/gtest.h>

#include "win32/port/Handles.h"

namespace vantrel::win32 {
namespace {

HANDLE NewEvent() { return ::CreateEventW(nullptr, TRUE, FALSE, nullptr); }

bool IsOpen(HANDLE h) {
    DWORD flags = 0;
    return ::GetHandleInformation(h, &flags) != FALSE;
}

bool IsOpen(HKEY key) {
    DWORD subKeys = 0;
    return ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

TEST(Handles, ClosesWhenLeavingScope) {
    HANDLE raw = NewEvent();
    ASSERT_TRUE(IsOpen(raw));
    {
        UniqueHandle owner(raw);
        EXPECT_TRUE(owner);
        EXPECT_EQ(owner.get(), raw);
    }
    EXPECT_FALSE(IsOpen(raw));
}

TEST(Handles, MoveTransfersOwnershipAndClosesOnce) {
    HANDLE raw = NewEvent();
    UniqueHandle first(raw);
    UniqueHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);

    HANDLE other = NewEvent();
    UniqueHandle third(other);
    third = std::move(second);  // closes `other`, takes `raw`
    EXPECT_FALSE(IsOpen(other));
    EXPECT_TRUE(IsOpen(raw));
    third.reset();
    EXPECT_FALSE(IsOpen(raw));
    EXPECT_FALSE(third);
}

TEST(Handles, ReleaseGivesUpWithoutClosing) {
    HANDLE raw = NewEvent();
    {
        UniqueHandle owner(raw);
        EXPECT_EQ(owner.release(), raw);
        EXPECT_FALSE(owner);
    }
    EXPECT_TRUE(IsOpen(raw));
    ::CloseHandle(raw);
}

TEST(Handles, FileHandleTreatsInvalidValueAsEmpty) {
    UniqueFile missing(::CreateFileW(L"C:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.get(), INVALID_HANDLE_VALUE);
}

TEST(Handles, RegistryKeyClosesAndPutReplaces) {
    UniqueHKey key;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()), ERROR_SUCCESS);
    HKEY first = key.get();
    EXPECT_TRUE(IsOpen(first));
    // Handing out the slot for a new key closes the key held before.
    HKEY* slot = key.put();
    EXPECT_FALSE(IsOpen(first));
    EXPECT_FALSE(key);
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, slot), ERROR_SUCCESS);
    HKEY second = key.get();
    EXPECT_TRUE(IsOpen(second));
    key.reset();
    EXPECT_FALSE(IsOpen(second));
}

}  // namespace
}  // namespace vantrel::win32
