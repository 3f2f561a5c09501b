// The GBK codec and the atomic replacement of a file by WriteLine: the bytes
// on disk, and the old file kept whole whenever the write fails.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "fake/Cp936Rules.h"
#include "win32/port/FileErrors.h"
#include "win32/port/Gbk.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

#include <sddl.h>

namespace vantrel::win32 {
namespace {

using test::ReadRaw;
using test::TempFolder;
using test::WriteRaw;

const std::wstring kChinese = L"无F5记事本";
const std::string kChineseGbk = "\xCE\xDE" "F5" "\xBC\xC7\xCA\xC2\xB1\xBE";
// The file's DACL in SDDL, or nothing when it cannot be read.
std::wstring DaclOf(const std::wstring& path) {
    DWORD size = 0;
    ::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size ? size : 1);
    if (!::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, buffer.data(), size, &size))
        return L"";
    wchar_t* text = nullptr;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorW(buffer.data(), SDDL_REVISION_1,
                                                                DACL_SECURITY_INFORMATION, &text,
                                                                nullptr))
        return L"";
    std::wstring dacl = text;
    ::LocalFree(text);
    return dacl;
}

bool SetDacl(const std::wstring& path, const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                                nullptr))
        return false;
    const BOOL set = ::SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
    ::LocalFree(descriptor);
    return set;
}

const std::wstring kReadOnlyReason = L"没有写入权限（文件或文件夹只读，或被拒绝访问）";

TEST(Codec, CharactersOutsideGbkAreRefusedNotReplaced) {
    EXPECT_EQ(EncodeGbk(L"F1\U0001F600"), std::nullopt);  // emoji
    EXPECT_EQ(EncodeGbk(L"\u0E01"), std::nullopt);         // Thai letter
    EXPECT_EQ(EncodeGbk(std::wstring(1, L'\xD800')), std::nullopt);  // lone surrogate
    // A question mark of one's own is not mistaken for a replacement.
    EXPECT_EQ(EncodeGbk(L"a?b"), std::string("a?b"));
}

// A character the code page writes only as a look-alike (best fit: bytes that
// read back as another character) is refused like any outside GBK.
TEST(Codec, LookAlikesAreRefusedNotWrittenAsAnotherCharacter) {
    int lookAlikes = 0;
    for (wchar_t c = 1; c < 0xD800; ++c) {
        char bytes[4];
        BOOL usedDefault = FALSE;
        const int n = ::WideCharToMultiByte(936, 0, &c, 1, bytes, sizeof bytes, nullptr, &usedDefault);
        if (n <= 0 || usedDefault || DecodeGbk(std::string(bytes, n)) == std::wstring(1, c)) continue;
        ++lookAlikes;
        EXPECT_EQ(EncodeGbk(std::wstring(1, c)), std::nullopt) << "U+" << std::hex << int(c);
    }
    EXPECT_GT(lookAlikes, 0) << "the code page wrote no character as a look-alike";
}

// The native tests' fake codec follows Cp936Rules.h; here the code page
// itself answers for every single byte and every pair of bytes.
TEST(Codec, StrictDecodingReadsExactlyTheSequencesTheFakeCodecReads) {
    int accepted = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string bytes(1, static_cast<char>(first));
            if (second >= 0) bytes += static_cast<char>(second);
            const auto text = DecodeGbkExact(bytes);
            ASSERT_EQ(text.has_value(), vantrel::testing::Cp936Accepts(bytes)) << first << " " << second;
            accepted += text.has_value();
        }
    }
    EXPECT_EQ(accepted, 129 + 129 * 129 + 23940);
    // The whole field is refused, not only the bad byte.
    EXPECT_EQ(DecodeGbkExact("F5   C:\\x\x81\x7F.exe"), std::nullopt);
    EXPECT_EQ(DecodeGbkExact("\xD6\xD0\xCE"), std::nullopt);
    EXPECT_EQ(DecodeGbkExact("\xD6\xD0"), std::wstring(L"中"));
}

TEST(Codec, BrokenGbkStillDecodesToSomething) {
    // A lead byte without its trail byte, and bytes no GBK character uses.
    const std::wstring text = DecodeGbk("A\xCE");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), L'A');
    EXPECT_FALSE(DecodeGbk("\xFF\x80\xFF").empty());
}

TEST(Codec, ErrorReasonsNameTheCommonCausesInChinese) {
    EXPECT_EQ(FileErrorReason(ERROR_ACCESS_DENIED), kReadOnlyReason);
    EXPECT_EQ(FileErrorReason(ERROR_DISK_FULL), L"磁盘空间不足");
    EXPECT_EQ(FileErrorReason(ERROR_SHARING_VIOLATION), L"文件正被其他程序使用");
    EXPECT_EQ(FileErrorReason(ERROR_PATH_NOT_FOUND), L"找不到文件夹");
    // Anything else carries the system's code so that it can be looked up.
    const std::wstring other = FileErrorReason(ERROR_INVALID_NAME);
    EXPECT_NE(other.find(L"错误代码 123"), std::wstring::npos) << other;
}

class Write : public ::testing::Test {
protected:
    TempFolder folder;
    Win32Port port;
    std::wstring target = folder / L"function.txt";
};

TEST_F(Write, ChineseLineIsStoredAsGbkWithCrLfAndReadsBack) {
    ASSERT_TRUE(port.WriteLine(target, kChinese).ok);
    EXPECT_EQ(ReadRaw(target), kChineseGbk + "\r\n");
    EXPECT_EQ(port.ReadLines(target), std::vector<std::wstring>{kChinese});
}

TEST_F(Write, ReplacesTheWholeOldFileAndLeavesNoTemporaryFile) {
    WriteRaw(target, "a much longer old line\r\nand a second one\r\n");
    ASSERT_TRUE(port.WriteLine(target, L"").ok);
    EXPECT_EQ(ReadRaw(target), "\r\n");
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
}

TEST_F(Write, ReplacedFileKeepsItsAttributes) {
    WriteRaw(target, "old\r\n");
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), marks));
    ASSERT_EQ(::GetFileAttributesW(target.c_str()) & marks, marks)
        << "this file system does not keep the attributes";
    ASSERT_TRUE(port.WriteLine(target, L"new").ok);
    EXPECT_EQ(ReadRaw(target), "new\r\n");
    EXPECT_EQ(::GetFileAttributesW(target.c_str()) & marks, marks);
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
}

// Wine keeps no access lists on a Unix file system: there this test reports
// itself skipped (CTest counts it); Windows runs it.
TEST_F(Write, ReplacedFileKeepsItsAccessList) {
    WriteRaw(target, "old\r\n");
    const wchar_t* kDacl = L"D:P(A;;FA;;;WD)(A;;FR;;;BU)";
    if (!SetDacl(target, kDacl) || DaclOf(target) != kDacl)
        GTEST_SKIP() << "this file system keeps no access lists";
    ASSERT_TRUE(port.WriteLine(target, L"new").ok);
    EXPECT_EQ(DaclOf(target), kDacl);
}

TEST_F(Write, UnencodableTextFailsAndTouchesNothing) {
    const std::string old = "old \xCE\xDE\r\n";
    WriteRaw(target, old);
    const IoResult result = port.WriteLine(target, L"新\U0001F600");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, L"内容含有无法以 GBK 编码保存的字符");
    EXPECT_EQ(ReadRaw(target), old);
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
}

TEST_F(Write, ReadOnlyTargetFailsAndStaysWhole) {
    const std::string old = "F1,notepad\r\n";
    WriteRaw(target, old);
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const IoResult result = port.WriteLine(target, L"new");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, kReadOnlyReason);
    EXPECT_EQ(ReadRaw(target), old);
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
    EXPECT_TRUE(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(Write, MissingFolderFailsWithoutCreatingIt) {
    const std::wstring inMissing = folder / L"missing\\function.txt";
    const IoResult result = port.WriteLine(inMissing, L"x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, L"找不到文件夹");
    EXPECT_TRUE(folder.List().empty());
}

TEST_F(Write, TargetThatIsAFolderFailsAndCleansUp) {
    ASSERT_TRUE(::CreateDirectoryW(target.c_str(), nullptr));
    const IoResult result = port.WriteLine(target, L"x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, kReadOnlyReason);
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
}

TEST_F(Write, TargetHeldOpenWithoutSharingFailsAndStaysWhole) {
    const std::string old = "kept\r\n";
    WriteRaw(target, old);
    {
        UniqueFile holder(::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        const IoResult result = port.WriteLine(target, L"new");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.reason, L"文件正被其他程序使用");
    }
    EXPECT_EQ(ReadRaw(target), old);
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"function.txt"});
}

}  // namespace
}  // namespace vantrel::win32
