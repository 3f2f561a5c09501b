// Reading lines from whatever bytes a file holds, telling normal files from
// everything else, and deleting files.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/TextLines.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

using test::ReadRaw;
using test::TempFolder;
using test::WriteRaw;
using Lines = std::vector<std::wstring>;

class Read : public testing::Test {
protected:
    TempFolder folder;
    Win32Port port;
    std::wstring file = folder / L"keys.txt";
};

TEST_F(Read, EveryLineEndingKindEndsALine) {
    WriteRaw(file, "a\r\nb\rc\nd");
    EXPECT_EQ(port.ReadLines(file), (Lines{L"a", L"b", L"c", L"d"}));
    WriteRaw(file, "\r\n\n\r\r\n\xD6\xD0\r\n");
    EXPECT_EQ(port.ReadLines(file), (Lines{L"", L"", L"", L"", L"中"}));
}

TEST_F(Read, EmptyFileHasNoLinesButIsRead) {
    WriteRaw(file, "");
    const auto lines = port.ReadLines(file);
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
}

TEST_F(Read, MissingFileOrFolderGivesNothing) {
    EXPECT_EQ(port.ReadLines(folder / L"absent.txt"), std::nullopt);
    EXPECT_EQ(port.ReadLines(folder / L"absent\\keys.txt"), std::nullopt);
    EXPECT_EQ(port.ReadLines(folder.path()), std::nullopt);
}

TEST_F(Read, TenMegabytesReadCompletely) {
    const std::string line(99, 'x');
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += line + "\r\n";  // 10,100,000 bytes
    bytes += "last";
    WriteRaw(file, bytes);
    const auto lines = port.ReadLines(file);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 100001u);
    EXPECT_EQ(lines->front(), std::wstring(99, L'x'));
    EXPECT_EQ(lines->back(), L"last");

    WriteRaw(file, std::string(10 * 1024 * 1024, '\xB0'));  // one line, odd GBK bytes
    const auto single = port.ReadLines(file);
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(single->size(), 1u);
}

// A file past 16 MB is not read at all; its size says so without reading it.
TEST_F(Read, AFileOver16MbIsNotReadButItsSizeIsKnown) {
    WriteRaw(file, "F5   C:\\a.txt\r\n");
    EXPECT_EQ(port.FileSize(file), 15u);
    const auto growTo = [&](std::uint64_t size) {
        UniqueFile grow(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(size);
        return grow && ::SetFilePointerEx(grow.get(), end, nullptr, FILE_BEGIN) &&
               ::SetEndOfFile(grow.get());
    };
    ASSERT_TRUE(growTo(kMaxFileBytes));
    EXPECT_EQ(port.FileSize(file), kMaxFileBytes);
    EXPECT_TRUE(port.ReadBytes(file).has_value());  // the largest that is read
    ASSERT_TRUE(growTo(kMaxFileBytes + 1));
    EXPECT_EQ(port.FileSize(file), kMaxFileBytes + 1);
    EXPECT_EQ(port.ReadBytes(file), std::nullopt);
    EXPECT_EQ(port.ReadLines(file), std::nullopt);
    EXPECT_EQ(port.FileSize(folder / L"absent.txt"), std::nullopt);
    EXPECT_EQ(port.FileSize(folder.path()), std::nullopt);
}

TEST_F(Read, BinaryJunkYieldsTheLinesItsLineBreaksMake) {
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int b = 255; b >= 0; --b) bytes += static_cast<char>(b);
    WriteRaw(file, bytes);
    const auto lines = port.ReadLines(file);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), SplitLines(bytes).size());
}

TEST_F(Read, FileOpenForWritingElsewhereIsStillRead) {
    WriteRaw(file, "F2,calc\r\n");
    UniqueFile writer(::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(port.ReadLines(file), Lines{L"F2,calc"});
}

class Exists : public testing::Test {
protected:
    TempFolder folder;
    Win32Port port;
};

TEST_F(Exists, OnlyAVisibleNormalFileExists) {
    const std::wstring normal = folder / L"normal.txt";
    WriteRaw(normal, "x");
    EXPECT_TRUE(port.FileExists(normal));

    const std::wstring readOnly = folder / L"readonly.txt";
    WriteRaw(readOnly, "x");
    ::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(port.FileExists(readOnly));

    const std::wstring hidden = folder / L"hidden.txt";
    WriteRaw(hidden, "x");
    ASSERT_TRUE(::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(port.FileExists(hidden));

    const std::wstring system = folder / L"system.txt";
    WriteRaw(system, "x");
    ASSERT_TRUE(::SetFileAttributesW(system.c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(port.FileExists(system));
}

TEST_F(Exists, FoldersAndMissingPathsDoNotExist) {
    EXPECT_FALSE(port.FileExists(folder.path()));
    EXPECT_FALSE(port.FileExists(folder / L"absent.txt"));
    EXPECT_FALSE(port.FileExists(folder / L"absent\\x.txt"));
    EXPECT_FALSE(port.FileExists(L""));
}

TEST_F(Exists, WildcardsNeverMatchAFile) {
    WriteRaw(folder / L"custom.txt", "x");
    EXPECT_FALSE(port.FileExists(folder / L"*.txt"));
    EXPECT_FALSE(port.FileExists(folder / L"custo?.txt"));
    EXPECT_FALSE(port.FileExists(folder / L"*"));
}

class Remove : public testing::Test {
protected:
    TempFolder folder;
    Win32Port port;
};

// A missing file is no failure; a read-only one stays, with a reason.
TEST_F(Remove, DeletesWhatIsThereAndKeepsWhatItMayNot) {
    const std::wstring file = folder / L"custom.txt";
    WriteRaw(file, "x\r\n");
    EXPECT_TRUE(port.RemoveFile(file).ok);
    EXPECT_TRUE(folder.List().empty());
    EXPECT_TRUE(port.RemoveFile(file).ok);
    EXPECT_TRUE(port.RemoveFile(folder / L"absent\\absent.txt").ok);

    WriteRaw(file, "kept\r\n");
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const IoResult result = port.RemoveFile(file);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, L"没有写入权限（文件或文件夹只读，或被拒绝访问）");
    EXPECT_EQ(ReadRaw(file), "kept\r\n");
}

}  // namespace
}  // namespace vantrel::win32
