// What Windows is asked when a file is replaced, which no file system under
// Wine can show: the new bytes are flushed to disk before the rename puts
// them in place, and the rename itself is written through. Without both, a
// power cut after a save can leave an empty or torn file on NTFS.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImportHook.h"
#include "TempFolder.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

using test::ImportHook;

struct Call {
    std::wstring what;  // "flush" or "move"
    std::wstring name;  // the file flushed, or the file moved
    DWORD flags = 0;
};
std::vector<Call> g_calls;
ImportHook* g_flush = nullptr;
ImportHook* g_move = nullptr;

std::wstring LastPart(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

BOOL WINAPI RecordFlush(HANDLE file) {
    wchar_t name[MAX_PATH * 2] = {};
    const DWORD length = ::GetFinalPathNameByHandleW(file, name, MAX_PATH * 2, FILE_NAME_NORMALIZED);
    g_calls.push_back({L"flush", length ? LastPart(name) : L"?", 0});
    return g_flush->Original<BOOL(WINAPI*)(HANDLE)>()(file);
}

BOOL WINAPI RecordMove(LPCWSTR from, LPCWSTR to, DWORD flags) {
    g_calls.push_back({L"move", LastPart(from), flags});
    return g_move->Original<BOOL(WINAPI*)(LPCWSTR, LPCWSTR, DWORD)>()(from, to, flags);
}

TEST(DurableWrite, NewBytesAreFlushedBeforeTheRenameWhichIsWrittenThrough) {
    test::TempFolder folder;
    const std::wstring path = folder / L"Custom.dll";
    test::WriteRaw(path, "old\r\n");
    g_calls.clear();
    Win32Port port;
    {
        ImportHook flush("kernel32.dll", "FlushFileBuffers", reinterpret_cast<void*>(&RecordFlush));
        ImportHook move("kernel32.dll", "MoveFileExW", reinterpret_cast<void*>(&RecordMove));
        ASSERT_TRUE(flush.Active() && move.Active());
        g_flush = &flush;
        g_move = &move;
        EXPECT_TRUE(port.WriteLine(path, L"F5   notepad.exe").ok);
    }
    EXPECT_EQ(test::ReadRaw(path), "F5   notepad.exe\r\n");
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].what, L"flush");
    EXPECT_EQ(g_calls[1].what, L"move");
    // The file flushed is the one renamed over the target.
    EXPECT_EQ(g_calls[0].name, g_calls[1].name);
    EXPECT_NE(g_calls[1].name, L"Custom.dll");
    EXPECT_EQ(g_calls[1].flags & (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
              static_cast<DWORD>(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

}  // namespace
}  // namespace vantrel::win32
