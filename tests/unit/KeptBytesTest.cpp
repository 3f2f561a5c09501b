// What the program cannot read stays on disk as it was: bytes of Function.dll
// and Custom.dll that are not GBK keep their bytes through every save, and a
// file too large to read is never replaced from what the window holds.
#include "fake/Cp936Rules.h"
#include "fake/Fixture.h"

namespace vantrel::testing {
namespace {

// The fake codec reads exactly the sequences code page 936 reads (the port
// test holds the same rules against Windows' own), and writes each back as
// the bytes it came from.
TEST(FakeCodec, ReadsExactlyWhatCodePage936ReadsAndWritesItBack) {
    FakePort port;
    int accepted = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string bytes(1, static_cast<char>(first));
            if (second >= 0) bytes += static_cast<char>(second);
            const auto text = port.DecodeExact(bytes);
            ASSERT_EQ(text.has_value(), Cp936Accepts(bytes)) << first << " " << second;
            if (!text) continue;
            ++accepted;
            ASSERT_EQ(port.Encode(*text), bytes) << first << " " << second;
        }
    }
    EXPECT_EQ(accepted, 129 + 129 * 129 + 23940);  // singles, two singles, GBK pairs
}

using KeptBytesTest = AppTest;

TEST_F(KeptBytesTest, EntriesGbkCannotReadKeepTheirBytesThroughEverySave) {
    // 81 7F is no GBK character; neither is a lead byte before a comma, nor FF.
    const std::string odd = "F5   C:\\x\x81\x7F.exe", cut = "F8   D:\\\xCE";
    port.PutFile(L"\\Custom.dll", odd + ",F6   C:\\\xD2\xF4.mp3," + cut + "\r\n");
    port.PutFile(L"\\Function.dll", "F2\xFF,\xFF" "F4,F3\r\n");
    Form1& form = Start();
    ASSERT_EQ(form.List1.ListCount(), 3);
    EXPECT_EQ(form.List1.Items()[1], L"F6   C:\\音.mp3");
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x75, 0x77}));
    EXPECT_EQ(form.Table().SystemKeys[0], 0);
    EXPECT_EQ(form.cmbChooseKey[0].Text(), L"无");
    EXPECT_EQ(form.Table().SystemKeys[2], 0x72);

    form.List1.AddItem(L"F7   C:\\新.txt");
    form.cmdApplyt_Click();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"),
              odd + ",F6   C:\\\xD2\xF4.mp3," + cut + ",F7   C:\\\xD0\xC2.txt\r\n");
    // Function.dll holds the choosers' own names only: a field that is no
    // key name, readable or not, is written as "无" and never as "?".
    EXPECT_EQ(port.Bytes(L"\\Function.dll"),
              "\xCE\xDE,\xCE\xDE,F3,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE\r\n");

    // Deleting another entry and saving again still keeps them.
    form.List1.RemoveItem(1);
    form.cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), odd + "," + cut + ",F7   C:\\\xD0\xC2.txt\r\n");
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x77, 0x76}));
}

class LargeFileTest : public AppTest {
protected:
    const std::string custom = "F5   C:\\a.txt\r\n", function = "F2,\xCE\xDE\r\n";
    std::wstring customPath = port.Path(L"\\Custom.dll"), functionPath = port.Path(L"\\Function.dll");
    void SetUp() override {
        port.PutFile(L"\\Custom.dll", custom);
        port.PutFile(L"\\Function.dll", function);
    }
    bool WasRead(const std::wstring& path) const {
        return std::find(port.reads.begin(), port.reads.end(), path) != port.reads.end();
    }
};

TEST_F(LargeFileTest, AFileOver16MbIsNotReadAndTheUserIsToldWhichOnce) {
    port.sizes[customPath] = kMaxFileBytes;  // the largest that is read
    EXPECT_EQ(Start().List1.ListCount(), 1);
    EXPECT_TRUE(port.messages.empty());
    app.Unload<Form1>();

    port.reads.clear();
    port.sizes[customPath] = kMaxFileBytes + 1;
    Form1& form = Start();
    EXPECT_FALSE(WasRead(customPath));
    EXPECT_TRUE(WasRead(functionPath));
    EXPECT_EQ(form.List1.ListCount(), 0);
    EXPECT_TRUE(form.Table().EntryKeyCodes.empty());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"“" + customPath + L"”大于 16 MB"), std::wstring::npos);
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconExclamation));

    form.cmbChooseKey[1].SetText(L"F3");
    form.cmdApplyt_Click();  // the reload does not tell again
    EXPECT_EQ(port.messages.size(), 1u);
}

TEST_F(LargeFileTest, ASaveKeepsTheUnreadFileOrRefusesNamingIt) {
    port.sizes[customPath] = 20u << 20;
    Form1& form = Start();
    port.messages.clear();

    // An empty list would delete Custom.dll: it stays as it is instead.
    form.cmbChooseKey[1].SetText(L"F3");
    form.cmdApplyt_Click();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), "F2,F3,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE\r\n");

    // An added entry would replace it: the save is refused, naming it.
    const std::string savedFunction = port.Bytes(L"\\Function.dll");
    form.cmbChooseKey[2].SetText(L"F4");
    form.List1.AddItem(L"F6   C:\\b.txt");
    form.cmdApplyt.SetEnabled(true);
    form.cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text.find(L"无法保存文件“" + customPath + L"”"), 0u);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), savedFunction);
    EXPECT_EQ(form.List1.ListCount(), 1);
    EXPECT_EQ(form.cmbChooseKey[2].Text(), L"F4");
    EXPECT_TRUE(form.cmdApplyt.Enabled());
}

TEST_F(LargeFileTest, AnUnreadFunctionDllIsKeptUntilAKeyIsPicked) {
    port.sizes[functionPath] = 17u << 20;
    Form1& form = Start();
    port.messages.clear();
    form.List1.AddItem(L"F6   C:\\b.txt");
    form.cmdApplyt_Click();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), function);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), "F5   C:\\a.txt,F6   C:\\b.txt\r\n");

    form.cmbChooseKey[0].SetText(L"F2");
    form.cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text.find(L"无法保存文件“" + functionPath + L"”"), 0u);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), function);
}

TEST_F(LargeFileTest, AFileThatGrewPast16MbSinceTheLoadStopsTheSave) {
    Form1& form = Start();
    port.sizes[customPath] = 17u << 20;  // another program wrote to it meanwhile
    form.List1.AddItem(L"F6   C:\\b.txt");
    form.cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text.find(L"无法保存文件“" + customPath + L"”：文件大于 16 MB"), 0u);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), function);
}

TEST_F(LargeFileTest, WithBothUnreadAnAddedEntryIsRefusedNotDropped) {
    port.sizes[functionPath] = port.sizes[customPath] = 17u << 20;
    Form1& form = Start();
    port.messages.clear();
    form.List1.AddItem(L"F6   C:\\b.txt");
    form.cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text.find(L"无法保存文件“" + customPath + L"”"), 0u);
    EXPECT_EQ(form.List1.ListCount(), 1);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
}

TEST_F(LargeFileTest, AFileThatCouldNotBeReadAtTheStartIsNotDeletedByALaterSave) {
    port.unreadable.insert(customPath);  // held open by another program
    Form1& form = Start();
    EXPECT_TRUE(port.messages.empty());
    port.unreadable.clear();
    form.cmbChooseKey[1].SetText(L"F3");
    form.cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_EQ(form.List1.ListCount(), 1);  // the reload reads it now
}

}  // namespace
}  // namespace vantrel::testing
