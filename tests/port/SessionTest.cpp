// The single-instance claim, seen from this process and from a child process,
// and the program folder.
#include <gtest/gtest.h>

#include "SessionChild.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\Vantrel.SingleInstance";

bool ClaimExists() {
    UniqueHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, kMutexName));
    return static_cast<bool>(mutex);
}

std::wstring OwnPath() {
    wchar_t path[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 32768);
    return std::wstring(path, length);
}

// Runs this executable as the child that checks the claim; its exit code.
DWORD RunChild() {
    std::wstring commandLine =
        L"\"" + OwnPath() + L"\" " + std::wstring(test::kChildInstanceFlag);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return 0xFFFFFFFFu;
    UniqueHandle process(info.hProcess), thread(info.hThread);
    if (::WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) return 0xFFFFFFFEu;
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

TEST(Session, FirstClaimIsNotAnotherInstanceAndIsRemembered) {
    ASSERT_FALSE(ClaimExists());
    {
        Win32Port port;
        EXPECT_FALSE(port.AnotherInstanceRunning());
        EXPECT_TRUE(ClaimExists());
        EXPECT_FALSE(port.AnotherInstanceRunning());
    }
    EXPECT_FALSE(ClaimExists());
}

TEST(Session, ClaimHeldBeforeStartIsAnotherInstance) {
    UniqueHandle earlier(::CreateMutexW(nullptr, FALSE, kMutexName));
    ASSERT_TRUE(earlier);
    Win32Port port;
    EXPECT_TRUE(port.AnotherInstanceRunning());
    earlier.reset();
    EXPECT_TRUE(port.AnotherInstanceRunning());
}

TEST(Session, ChildProcessSeesOurClaim) {
    EXPECT_EQ(RunChild(), static_cast<DWORD>(test::kChildSawNone));
    Win32Port port;
    ASSERT_FALSE(port.AnotherInstanceRunning());
    EXPECT_EQ(RunChild(), static_cast<DWORD>(test::kChildSawAnother));
}

TEST(Session, ProgramFolderHoldsTheExecutable) {
    Win32Port port;
    const std::wstring folder = port.ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    const std::wstring own = OwnPath();
    EXPECT_EQ(folder, own.substr(0, own.find_last_of(L'\\')));
    EXPECT_TRUE(port.FileExists(own));
}

}  // namespace
}  // namespace vantrel::win32
