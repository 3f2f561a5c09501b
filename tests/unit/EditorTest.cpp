// The hotkey editor: the mouse-only choosers, the duplicate check, adding and
// deleting entries, and the Loaded and Edited states with their faces.
#include "fake/Fixture.h"
#include "ui/settings/Form2.h"

namespace vantrel::testing {
namespace {

class EditorTest : public AppTest {
protected:
    Form1* form = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"F2,无,无,无,无,无,无\r\n");
        port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt,F10   C:\\b.exe\r\n");
        form = &Start();
    }
    // The user picks an item in chooser i, as the shell reports it.
    void Pick(int i, const std::wstring& item) {
        form->cmbChooseKey[i].SetText(item);
        form->cmbChooseKey[i].ItemPicked();
    }
    // A mouse press in the list on line i.
    void PressLine(int i) {
        form->List1.SetListIndex(i);
        form->List1.MouseDown(MouseArgs{1, 0, 0, 0});
    }
    bool Edited() const {
        return form->cmdApplyt.Enabled() && form->cmdApply.GetPicture() == form->Bauto.GetPicture() &&
               !form->ok1.Enabled() && form->cmdOk.GetPicture() == form->Bef.GetPicture();
    }
    bool Loaded() const {
        return !form->cmdApplyt.Enabled() && form->cmdApply.GetPicture() == form->Bef.GetPicture() &&
               form->ok1.Enabled() && form->cmdOk.GetPicture() == form->Bauto.GetPicture();
    }
};

TEST_F(EditorTest, KeysLockEveryChooserAndArrowsAreSwallowed) {
    int key = 38;
    form->cmbChooseKey[3].KeyDown(key, 0);
    EXPECT_EQ(key, 0);
    for (auto& chooser : form->cmbChooseKey) EXPECT_TRUE(chooser.Locked());
    key = 40;
    form->cmbChooseKey[3].KeyDown(key, 0);
    EXPECT_EQ(key, 0);
    key = 'A';
    form->cmbChooseKey[0].KeyDown(key, 0);
    EXPECT_EQ(key, 'A');  // other keys go on, but into a locked box
    form->cmbChooseKey[0].KeyUp(key, 0);
    for (auto& chooser : form->cmbChooseKey) EXPECT_FALSE(chooser.Locked());
}

TEST_F(EditorTest, APickedKeyClashingWithAnotherChooserIsUndoneWithTheExactMessage) {
    Pick(6, L"F5");  // clashes with the list line for F5
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"F5功能键已经定义，请选择其它功能键");
    EXPECT_EQ(port.messages[0].caption, L"提示");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconInformation));
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"无");
    EXPECT_TRUE(Edited());

    Pick(6, L"F7");
    Pick(0, L"F7");  // waits in the add row: counts as used
    EXPECT_EQ(port.messages.back().text, L"F7功能键已经定义，请选择其它功能键");
    EXPECT_EQ(form->cmbChooseKey[0].Text(), L"无");
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"F7");

    Pick(3, L"F2");  // chooser 0 gave up F2 when the clash above set it to 无
    Pick(4, L"F2");
    EXPECT_EQ(port.messages.back().text, L"F2功能键已经定义，请选择其它功能键");
    EXPECT_EQ(form->cmbChooseKey[4].Text(), L"无");
}

TEST_F(EditorTest, NoClashWithItselfWithNoneOrWithAKeyOnlyAListLineShares) {
    Pick(0, L"F2");  // chooser 0 already holds F2
    Pick(1, L"无");
    Pick(2, L"无");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(Edited());
    // A line for F10 is matched over three characters, not as "F1".
    Pick(1, L"F1");
    EXPECT_TRUE(port.messages.empty());
    Pick(1, L"F10");
    EXPECT_EQ(port.messages.size(), 1u);
    // Once the F5 line is deleted, F5 can be picked.
    PressLine(0);
    form->cmddelt.Click();
    Pick(6, L"F5");
    EXPECT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"F5");
}

TEST_F(EditorTest, PickingClearsOnTopMarksEditedAndRestsTheEndButton) {
    form->cmdCancel.SetPicture(form->Bm.GetPicture());
    Pick(2, L"F8");
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(port.CallsTo(L"SetTopmost").back(), L"SetTopmost(100,0)");
    EXPECT_TRUE(Edited());
    EXPECT_EQ(form->cmdCancel.GetPicture(), form->Bpt.GetPicture());
}

TEST_F(EditorTest, AddWithoutAKeyIsRefusedButStillMarksEdited) {
    form->cmdadd.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"请先为应用程序定义一个快捷键");
    EXPECT_EQ(port.messages[0].caption, L"提示");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconInformation));
    EXPECT_TRUE(port.fileDialogs.empty());
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_TRUE(Edited());
}

TEST_F(EditorTest, AddOpensTheDialogAndAppendsKeyThreeBlanksAndPath) {
    Pick(6, L"F11");
    port.fileDialogAnswer = L"D:\\音乐\\歌单.m3u";
    form->cmdadd.Click();
    ASSERT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(port.fileDialogs[0].owner, form->hWnd());
    EXPECT_EQ(port.fileDialogs[0].title, L"添加一个应用程序 — Vantrel");
    EXPECT_EQ(port.fileDialogs[0].filter,
              L"所支持的文件|*.doc;*.txt;*.htm;*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma;*.exe|"
              L"音乐文件(*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma)|*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma|"
              L"可执行文件(*.exe)|*.exe|其他(*.doc;*.txt;*.htm)|*.doc;*.txt;*.htm");
    EXPECT_EQ(form->List1.Items().back(), L"F11   D:\\音乐\\歌单.m3u");
    EXPECT_EQ(form->List1.ListCount(), 3);
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"无");
    EXPECT_TRUE(Edited());
    // The new binding fires only once saved.
    form->cmdApplyt.Click();
    EXPECT_EQ(form->Table().EntryKeyCodes.back(), 0x7A);
}

TEST_F(EditorTest, CancelledDialogAddsNothingAndResetsTheAddRow) {
    Pick(6, L"F9");
    form->cmdadd.Click();
    EXPECT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(form->List1.ListCount(), 2);
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"无");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(Edited());
}

TEST_F(EditorTest, PathsTheFilesCannotHoldAreRefusedWithAReason) {
    Pick(6, L"F9");
    port.fileDialogAnswer = L"C:\\a,b.exe";
    form->cmdadd.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"逗号"), std::wstring::npos);
    EXPECT_EQ(port.messages[0].caption, L"提示");
    Pick(6, L"F9");
    port.fileDialogAnswer = L"C:\\한국\\x.mp3";
    form->cmdadd.Click();
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_NE(port.messages[1].text.find(L"GBK"), std::wstring::npos);
    EXPECT_EQ(form->List1.ListCount(), 2);
    EXPECT_EQ(form->cmbChooseKey[6].Text(), L"无");
}

TEST_F(EditorTest, DeleteNeedsAMousePressOnASelectedLineEachTime) {
    EXPECT_FALSE(form->cmddelt.Enabled());
    form->List1.SetListIndex(1);  // selected by keyboard: delete stays off
    EXPECT_FALSE(form->cmddelt.Enabled());
    form->List1.SetListIndex(-1);
    form->List1.MouseDown(MouseArgs{1, 0, 0, 0});
    EXPECT_FALSE(form->cmddelt.Enabled());
    EXPECT_EQ(form->List1.ToolTipText(), L"");

    PressLine(1);
    EXPECT_EQ(form->List1.ToolTipText(), L"C:\\b.exe");
    EXPECT_TRUE(form->cmddelt.Enabled());
    EXPECT_EQ(form->cmddel.GetPicture(), form->Bpt.GetPicture());
    form->cmddelt.Click();
    EXPECT_EQ(form->List1.Items(), (std::vector<std::wstring>{L"F5   C:\\a.txt"}));
    EXPECT_FALSE(form->cmddelt.Enabled());
    EXPECT_EQ(form->cmddel.GetPicture(), form->Bef.GetPicture());
    EXPECT_TRUE(Edited());
}

TEST_F(EditorTest, ListHoverShowsTheSelectedPathAndTheHint) {
    form->List1.SetListIndex(0);
    form->List1.MouseMove(MouseArgs{});
    EXPECT_EQ(form->List1.ToolTipText(), L"C:\\a.txt");
    EXPECT_EQ(form->zt.Caption(), L"这是您已设置的热键程序");
}

TEST_F(EditorTest, SaveReturnsToLoadedAndContinueHidesTheWindow) {
    EXPECT_TRUE(Loaded());
    Pick(1, L"F4");
    PressLine(0);
    form->cmdApplyt.Click();
    EXPECT_TRUE(Loaded());
    EXPECT_FALSE(form->cmddelt.Enabled());
    EXPECT_EQ(form->cmbChooseKey[1].Text(), L"F4");
    EXPECT_EQ(form->Check1.Value(), 1);

    form->Show();
    form->zt.SetCaption(L"x");
    form->cmdOk.SetPicture(form->Bm.GetPicture());
    form->ok1.Click();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(app.IsLoaded<Form1>());  // still monitoring
    EXPECT_EQ(form->zt.Caption(), L"");
    EXPECT_EQ(form->cmdOk.GetPicture(), form->Bauto.GetPicture());
}

TEST_F(EditorTest, MoreSettingsDisablesTheWindowUntilItsWindowCloses) {
    form->cmdgd.Click();
    EXPECT_FALSE(form->Enabled());
    EXPECT_EQ(form->Check1.Value(), 0);
    ASSERT_TRUE(app.IsLoaded<Form2>());
    EXPECT_TRUE(app.Find<Form2>()->Visible());
    EXPECT_TRUE(port.modals.empty());  // modeless
    app.Unload<Form2>();
    EXPECT_TRUE(form->Enabled());
    EXPECT_EQ(form->Check1.Value(), 1);
}

}  // namespace
}  // namespace vantrel::testing
