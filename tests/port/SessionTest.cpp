// The single-instance claim, seen from this process and from a child process,
// the program folder, and the request to end the Windows session.
#include <gtest/gtest.h>

#include <vector>

#include "SessionChild.h"
#include "win32/port/ExitWindowsCall.h"
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

// The shut-down privilege in this process's token: -1 when the token does
// not hold it at all, else whether it is enabled.
int ShutdownPrivilegeEnabled() {
    UniqueHandle token;
    LUID shutdown{};
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()) ||
        !::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown))
        return -1;
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (!::GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) return -1;
    const auto* held = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < held->PrivilegeCount; ++i) {
        const LUID& luid = held->Privileges[i].Luid;
        if (luid.LowPart == shutdown.LowPart && luid.HighPart == shutdown.HighPart)
            return (held->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) ? 1 : 0;
    }
    return -1;
}

bool DisableShutdownPrivilege() {
    UniqueHandle token;
    TOKEN_PRIVILEGES off{};
    off.PrivilegeCount = 1;
    return ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.put()) &&
           ::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &off.Privileges[0].Luid) &&
           ::AdjustTokenPrivileges(token.get(), FALSE, &off, 0, nullptr, nullptr) &&
           ShutdownPrivilegeEnabled() == 0;
}

struct EndRequestSeen {
    UINT flags;
    DWORD reason;
    int privilege;  // ShutdownPrivilegeEnabled() at the moment of the call
};
std::vector<EndRequestSeen> endRequests;

BOOL WINAPI RecordEndRequest(UINT flags, DWORD reason) {
    endRequests.push_back({flags, reason, ShutdownPrivilegeEnabled()});
    return TRUE;
}

// Windows ends the session for a shut-down or restart only when the caller's
// token has the shut-down privilege enabled, so the port enables it before
// each request; the flags go through as given, without the force flag.
TEST(Session, ShutdownAndRestartAreAskedWithTheShutdownPrivilegeEnabled) {
    endRequests.clear();
    const ExitWindowsCall previous = ReplaceExitWindowsCall(&RecordEndRequest);
    Win32Port port;
    ASSERT_TRUE(DisableShutdownPrivilege()) << "the token's shut-down privilege cannot be turned off";
    EXPECT_TRUE(port.ExitWindows(EWX_SHUTDOWN));
    ASSERT_TRUE(DisableShutdownPrivilege());
    EXPECT_TRUE(port.ExitWindows(EWX_REBOOT));
    ReplaceExitWindowsCall(previous);
    ASSERT_EQ(endRequests.size(), 2u);
    EXPECT_EQ(endRequests[0].flags, static_cast<UINT>(EWX_SHUTDOWN));
    EXPECT_EQ(endRequests[1].flags, static_cast<UINT>(EWX_REBOOT));
    for (const EndRequestSeen& seen : endRequests) {
        EXPECT_EQ(seen.reason, 0u);
        EXPECT_EQ(seen.privilege, 1) << "ExitWindowsEx asked without the shut-down privilege enabled";
    }
}

}  // namespace
}  // namespace vantrel::win32
