// The sample files in tests/golden, byte for byte: each is loaded through the
// fake port as the program meets it, and where the program writes the file, a
// load, a save and another load give the very same bytes.
#include "fake/Fixture.h"
#include "ui/voice/Form4.h"

#include <fstream>
#include <iterator>

namespace vantrel::testing {
namespace {

std::string Golden(const std::string& name) {
    std::ifstream in(std::string(VANTREL_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "missing golden file " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GoldenFilesTest : public AppTest {};

TEST_F(GoldenFilesTest, FunctionAndCustomLoadAsTheyStand) {
    port.PutFile(L"\\Function.dll", Golden("Function.dll"));
    port.PutFile(L"\\Custom.dll", Golden("Custom.dll"));
    Form1& form = Start();
    EXPECT_TRUE(port.messages.empty());  // no first-start greeting
    const std::array<std::wstring, kSlotCount> shown{L"无", L"F3", L"F4", L"无", L"F10", L"F11", L"无"};
    const std::array<KeyCode, kSlotCount> codes{0, 0x72, 0x73, 0, 0x79, 0x7A, 0};
    for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(form.cmbChooseKey[i].Text(), shown[i]) << i;
    EXPECT_EQ(form.Table().SystemKeys, codes);
    const std::vector<std::wstring> entries{L"F5   C:\\音乐\\歌.m3u", L"F2   D:\\工作\\年度报告.doc",
                                            L"F10   C:\\Program Files\\记事本.exe",
                                            L"无   C:\\文件.txt", L"F11   http://www.example.cn/"};
    EXPECT_EQ(form.List1.Items(), entries);
    EXPECT_EQ(form.Table().EntryTexts, entries);
    EXPECT_EQ(form.Table().EntryKeyNames,
              (std::vector<std::wstring>{L"F5", L"F2", L"F10", L"无", L"F11"}));
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x71, 0x79, 0, 0x7A}));
    EXPECT_EQ(EntryTarget(entries[2]), L"C:\\Program Files\\记事本.exe");
}

TEST_F(GoldenFilesTest, FunctionAndCustomSurviveLoadSaveLoadByteForByte) {
    const std::string function = Golden("Function.dll"), custom = Golden("Custom.dll");
    port.PutFile(L"\\Function.dll", function);
    port.PutFile(L"\\Custom.dll", custom);
    Form1& form = Start();
    const KeyTable before = form.Table();
    form.cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), function);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_EQ(form.Table().SystemKeys, before.SystemKeys);
    EXPECT_EQ(form.Table().EntryTexts, before.EntryTexts);
    EXPECT_EQ(form.Table().EntryKeyCodes, before.EntryKeyCodes);
    form.cmdApplyt_Click();  // and again from the reloaded window
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), function);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), custom);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(GoldenFilesTest, HandEditedCustomWithLfLineEndsIsJoinedAndSavedAsOneLine) {
    port.PutFile(L"\\Function.dll", Golden("Function.dll"));
    port.PutFile(L"\\Custom.dll", Golden("Custom-hand-edited-LF.dll"));
    Form1& form = Start();
    const std::vector<std::wstring> entries{L"F6   C:\\下载\\", L"F7   E:\\照片\\旅行\\2024.jpg",
                                            L"F8   C:\\Windows\\notepad.exe"};
    EXPECT_EQ(form.List1.Items(), entries);
    EXPECT_EQ(form.Table().EntryKeyCodes, (std::vector<KeyCode>{0x75, 0x76, 0x77}));
    form.cmdApplyt_Click();
    const std::string saved = Golden("Custom-hand-edited-LF.saved.dll");
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), saved);
    EXPECT_EQ(form.List1.Items(), entries);
    // From here on the file is the program's own: a further round trip keeps it.
    form.cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), saved);
    EXPECT_EQ(form.Table().EntryTexts, entries);
}

class GoldenVoiceFilesTest : public AppTest {
protected:
    Form4& Open() {
        port.PutFile(L"\\Function.dll", Golden("Function.dll"));
        port.PutText(L"\\tools\\yy\\on.dll", L"");
        port.PutFile(L"\\tools\\yy\\set1.dll", Golden("set1.dll"));
        port.PutFile(L"\\tools\\yy\\ver.dll", Golden("ver.dll"));
        Start();
        Form4& form = app.Get<Form4>();
        form.Show();
        return form;
    }
};

TEST_F(GoldenVoiceFilesTest, VersionLabelsComeFromVerDll) {
    Form4& form = Open();
    EXPECT_EQ(form.verdll[0].Caption(), L"1.2.0");
    EXPECT_EQ(form.verdll[1].Caption(), L"2024");
    EXPECT_EQ(port.Bytes(L"\\tools\\yy\\ver.dll"), Golden("ver.dll"));  // read, never written
}

TEST_F(GoldenVoiceFilesTest, Set1DllSurvivesLoadSaveLoadByteForByte) {
    Form4& form = Open();
    EXPECT_EQ(form.Check1.Value(), 1);
    form.Command2.Click();
    EXPECT_EQ(port.Bytes(L"\\tools\\yy\\set1.dll"), Golden("set1.dll"));
    Form4& again = app.Get<Form4>();
    again.Form_Load();
    EXPECT_EQ(again.Check1.Value(), 1);
    EXPECT_EQ(port.Bytes(L"\\tools\\yy\\set1.dll"), Golden("set1.dll"));
}

}  // namespace
}  // namespace vantrel::testing
