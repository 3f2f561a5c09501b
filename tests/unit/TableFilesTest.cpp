// Reading Function.dll and Custom.dll, and saving them: the exact bytes, the
// odd contents a hand-edited file may hold, and saves that fail.
#include "fake/Fixture.h"

#include <random>

namespace vantrel::testing {
namespace {

using TableFilesTest = AppTest;

TEST_F(TableFilesTest, ShortFunctionLineLeavesTheRemainingSlotsAsTheyWere) {
    port.PutText(L"\\Function.dll", L"F2,F3\r\nF4,F5,F6\r\n");
    Form1& form = Start();
    EXPECT_EQ(form.Table().SystemKeys[0], 0x71);
    EXPECT_EQ(form.Table().SystemKeys[1], 0x72);
    for (int i = 2; i < kSlotCount; ++i) {
        EXPECT_EQ(form.Table().SystemKeys[i], 0) << i;  // only the first line counts
        EXPECT_EQ(form.cmbChooseKey[i].Text(), L"无") << i;
    }
}

TEST_F(TableFilesTest, CustomLinesAreJoinedWithoutSeparator) {
    // A hand edit broke the line in the middle of an entry, once with CR LF
    // and once with a lone LF.
    port.PutText(L"\\Custom.dll", L"F5   C:\\Docs\\年度\r\n报告.doc,F6   C:\\a\nb.txt\r\n");
    Form1& form = Start();
    EXPECT_EQ(form.List1.Items(),
              (std::vector<std::wstring>{L"F5   C:\\Docs\\年度报告.doc", L"F6   C:\\ab.txt"}));
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x75}));
}

TEST_F(TableFilesTest, SaveWritesBothFilesAsOneGbkLineWithCrLf) {
    Form1& form = Start();
    form.cmbChooseKey[1].SetText(L"F3");
    form.cmbChooseKey[5].SetText(L"F11");
    // Text that is no key name never reaches the file: a chooser that holds
    // "F2,F3" would write eight fields and shift every later slot.
    form.cmbChooseKey[2].SetText(L"F2,F3");
    form.cmbChooseKey[3].SetText(L" F4");
    form.List1.AddItem(L"F5   C:\\音乐\\歌.m3u");
    form.List1.AddItem(L"F10   C:\\b.exe");
    form.cmdApplyt.SetEnabled(true);
    form.cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Function.dll"),
              "\xCE\xDE,F3,\xCE\xDE,\xCE\xDE,\xCE\xDE,F11,\xCE\xDE\r\n");
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"),
              "F5   C:\\\xD2\xF4\xC0\xD6\\\xB8\xE8.m3u,F10   C:\\b.exe\r\n");
    // The reload brings list, tables and buttons back in line with the files.
    EXPECT_EQ(form.List1.ListCount(), 2);
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x79}));
    EXPECT_EQ(form.Table().SystemKeys[5], 0x7A);
    EXPECT_EQ(form.cmbChooseKey[5].Text(), L"F11");
    EXPECT_FALSE(form.cmdApplyt.Enabled());
    EXPECT_TRUE(form.ok1.Enabled());
    EXPECT_EQ(form.cmdOk.GetPicture(), form.Bauto.GetPicture());
    EXPECT_EQ(port.messages.size(), 1u);  // only the first-start greeting
}

TEST_F(TableFilesTest, SavingTwiceAddsNoChooserItems) {
    Form1& form = Start();
    form.cmdApplyt_Click();
    form.cmdApplyt_Click();
    for (auto& chooser : form.cmbChooseKey) EXPECT_EQ(chooser.Items().size(), 11u);
    EXPECT_EQ(port.messages.size(), 1u);
}

TEST_F(TableFilesTest, SavingAnEmptyListDeletesCustomDll) {
    port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt\r\n");
    Form1& form = Start();
    form.List1.RemoveItem(0);
    form.cmdApplyt_Click();
    EXPECT_FALSE(port.Has(L"\\Custom.dll"));
    EXPECT_EQ(form.List1.ListCount(), 0);
    EXPECT_TRUE(form.Table().EntryTexts.empty());
    form.Timer2_Timer();
    Tick(form, {kF5});
    EXPECT_TRUE(port.CallsTo(L"ShellExecute").empty());
    // With neither list nor file, nothing is written or deleted.
    port.calls.clear();
    form.cmdApplyt_Click();
    EXPECT_TRUE(port.CallsTo(L"RemoveFile(" + port.Path(L"\\Custom.dll") + L")").empty());
    EXPECT_FALSE(port.Has(L"\\Custom.dll"));
}

TEST_F(TableFilesTest, CommaInATargetComesBackAsTwoLinesTheSecondNeverFiring) {
    Form1& form = Start();
    form.List1.AddItem(L"F5   C:\\a,b.txt");
    form.cmdApplyt_Click();
    EXPECT_EQ(form.List1.Items(), (std::vector<std::wstring>{L"F5   C:\\a", L"b.txt"}));
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0}));
}

TEST_F(TableFilesTest, UnreadableOrBinaryFilesLoadAsEmptyOrJunkWithoutHarm) {
    port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt");
    port.unreadable.insert(port.Path(L"\\Custom.dll"));
    port.PutFile(L"\\Function.dll", std::string("\xFF\xFE\x00\x81,F2\x80", 8));
    Form1& form = Start();
    EXPECT_EQ(form.List1.ListCount(), 0);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(form.Table().SystemKeys[1], 0);  // "F2" followed by a stray byte

    // Ten megabytes of random bytes in both files.
    std::mt19937 random(7);
    std::string junk(10 << 20, '\0');
    for (auto& b : junk) b = static_cast<char>(random());
    FakePort big;
    big.PutFile(L"\\Function.dll", junk);
    big.PutFile(L"\\Custom.dll", junk);
    Application app2{big};
    Form1& loaded = app2.Get<Form1>();
    EXPECT_GT(loaded.List1.ListCount(), 1000);
    EXPECT_EQ(loaded.List1.ListCount(), static_cast<int>(loaded.Table().EntryKeyCodes.size()));
}

// A save is all or nothing: when either file cannot be written, both keep
// their previous bytes, the window keeps its edits and the monitor its table.
class FailedSaveTest : public AppTest {
protected:
    Form1* form = nullptr;
    std::string oldFunction = "F2,\xCE\xDE\r\n", oldCustom = "F5   C:\\a.txt\r\n";

    void SetUp() override {
        port.PutFile(L"\\Function.dll", oldFunction);
        port.PutFile(L"\\Custom.dll", oldCustom);
        form = &Start();
        form->cmbChooseKey[2].SetText(L"F9");
        form->List1.AddItem(L"F6   C:\\b.txt");
        form->cmdApplyt.SetEnabled(true);
        form->ok1.SetEnabled(false);
    }
    void ExpectWindowUntouched() {
        EXPECT_EQ(form->cmbChooseKey[2].Text(), L"F9");
        EXPECT_EQ(form->List1.Items(),
                  (std::vector<std::wstring>{L"F5   C:\\a.txt", L"F6   C:\\b.txt"}));
        EXPECT_TRUE(form->cmdApplyt.Enabled());
        EXPECT_FALSE(form->ok1.Enabled());
        EXPECT_EQ(form->Table().EntryTexts.size(), 1u);
    }
};

TEST_F(FailedSaveTest, UnwritableFunctionDllIsReportedByName) {
    port.unwritable.insert(port.Path(L"\\Function.dll"));
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"C:\\Vantrel\\Function.dll"), std::wstring::npos);
    EXPECT_NE(port.messages[0].text.find(L"没有写入权限"), std::wstring::npos);
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconExclamation));
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), oldFunction);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), oldCustom);
    ExpectWindowUntouched();
}

TEST_F(FailedSaveTest, UnwritableCustomDllPutsFunctionDllBack) {
    port.unwritable.insert(port.Path(L"\\Custom.dll"));
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"Custom.dll"), std::wstring::npos);
    EXPECT_NE(port.messages[0].text.find(L"两个设置文件都保持原样"), std::wstring::npos);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), oldFunction);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), oldCustom);
    EXPECT_EQ(form->Table().SystemKeys[0], 0x71);
    EXPECT_EQ(form->Table().SystemKeys[2], 0);
    ExpectWindowUntouched();
}

TEST_F(FailedSaveTest, FunctionDllThatWasAbsentIsRemovedAgain) {
    port.files.erase(port.Path(L"\\Function.dll"));
    port.unwritable.insert(port.Path(L"\\Custom.dll"));
    form->cmdApplyt_Click();
    EXPECT_FALSE(port.Has(L"\\Function.dll"));
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), oldCustom);
}

TEST_F(FailedSaveTest, UnreadableFileStopsTheSaveBeforeAnythingIsWritten) {
    port.unreadable.insert(port.Path(L"\\Custom.dll"));
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.CallsTo(L"Write").empty());
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), oldFunction);
    ExpectWindowUntouched();
}

TEST_F(FailedSaveTest, WhenNothingCanBePutBackTheMonitorFollowsTheDiskAndTheUserIsTold) {
    // Custom.dll fails, and by then Function.dll cannot be written back either.
    const auto functionPath = port.Path(L"\\Function.dll");
    port.unwritable.insert(port.Path(L"\\Custom.dll"));
    port.during = [&](const std::wstring& call) {
        if (call.rfind(L"MoveFileOver(" + port.Path(L"\\Custom.dll.new"), 0) == 0)
            port.unwritable.insert(functionPath);
    };
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"无法恢复原样"), std::wstring::npos);
    EXPECT_NE(port.messages[0].text.find(functionPath), std::wstring::npos);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), oldCustom);
    // The new Function.dll (F9 on the screen saver) is what the monitor uses.
    EXPECT_EQ(form->Table().SystemKeys[2], 0x78);
    EXPECT_EQ(form->Table().EntryTexts, (std::vector<std::wstring>{L"F5   C:\\a.txt"}));
    EXPECT_TRUE(form->cmdApplyt.Enabled());
    EXPECT_EQ(form->List1.ListCount(), 2);
}

TEST_F(FailedSaveTest, CustomDllThatCannotBeDeletedIsReported) {
    port.unwritable.insert(port.Path(L"\\Custom.dll"));
    form->List1.Clear();
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.Has(L"\\Custom.dll"));
    EXPECT_EQ(form->cmbChooseKey[2].Text(), L"F9");
}

TEST_F(FailedSaveTest, TextThatGbkCannotHoldIsRefused) {
    form->List1.AddItem(L"F7   C:\\café\\😀.mp3");
    form->cmdApplyt_Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"GBK"), std::wstring::npos);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), oldCustom);
    EXPECT_EQ(form->List1.ListCount(), 3);
}

}  // namespace
}  // namespace vantrel::testing
