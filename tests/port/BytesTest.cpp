// Files as exact bytes (ReadBytes, WriteBytes) and which texts the files'
// code page can hold (CanStore). WriteLine is WriteBytes of the encoded
// line: the replacement's failures are held in CodecAndWriteTest.cpp.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

using test::ReadRaw;
using test::TempFolder;
using test::WriteRaw;

// Every byte value, NULs, a lone GBK lead byte and CR without LF.
std::string AwkwardBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
    bytes += std::string("\0\0\xFF\x80\r", 5) + "\xCE";
    return bytes;
}

class Bytes : public testing::Test {
protected:
    TempFolder folder;
    Win32Port port;
    std::wstring target = folder / L"Custom.dll";
};

TEST_F(Bytes, WrittenBytesReadBackExactlyIncludingNulsAndBrokenGbk) {
    const std::string bytes = AwkwardBytes();
    ASSERT_TRUE(port.WriteBytes(target, bytes).ok);
    EXPECT_EQ(ReadRaw(target), bytes);
    EXPECT_EQ(port.ReadBytes(target), bytes);
    ASSERT_TRUE(port.WriteBytes(target, "").ok);
    EXPECT_EQ(port.ReadBytes(target), std::string());
    EXPECT_EQ(folder.List(), std::vector<std::wstring>{L"Custom.dll"});
}

// Checked against Wine's and iconv's code page 936 tables: pinyin letters,
// the middle dot, the euro sign and the ideographic space are in GBK; the
// no-break space, ñ, ©, the bullet, Thai, Hangul and emoji are not.
TEST(Store, ChineseAsciiAndGbkSymbolsAreStorable) {
    Win32Port port;
    EXPECT_TRUE(port.CanStore(L""));
    EXPECT_TRUE(port.CanStore(L"F5   C:\\Program Files\\记事本.exe"));
    EXPECT_TRUE(port.CanStore(L"\u00E9\u00FC\u0101"));  // é ü ā
    EXPECT_TRUE(port.CanStore(L"\u00B7\u20AC\u3000\u2014"));
    EXPECT_TRUE(port.CanStore(std::wstring(L"a\0b", 3)));
}

TEST(Store, CharactersOutsideGbkAreNotStorable) {
    Win32Port port;
    for (const wchar_t* text : {L"\u00A0", L"\u00F1", L"\u00A9", L"\u2022", L"\u0E01", L"\uD55C",
                                L"F5 \U0001F600", L"?\u00A0"})
        EXPECT_FALSE(port.CanStore(text)) << static_cast<unsigned>(text[0]);
    EXPECT_FALSE(port.CanStore(std::wstring(1, L'\xD800')));
    // A question mark of one's own is not a substitute.
    EXPECT_TRUE(port.CanStore(L"a?b"));
}

}  // namespace
}  // namespace vantrel::win32
