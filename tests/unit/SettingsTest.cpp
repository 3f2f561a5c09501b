// The more-settings window and start at log-on: what the Run keys hold, the
// two buttons, and a change that could not be made.
#include "fake/Fixture.h"
#include "ui/settings/Form2.h"
#include "ui/settings/StartAtLogOn.h"

namespace vantrel::testing {
namespace {

class SettingsTest : public AppTest {
protected:
    Form1* main = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"无\r\n");
        main = &Start();
    }
    void PutRun(RegRoot root, RegValue value) {
        port.registry[{root, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Vantrel"}] = value;
    }
    std::optional<std::wstring> Run(RegRoot root) {
        auto it = port.registry.find({root, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Vantrel"});
        if (it == port.registry.end()) return std::nullopt;
        return it->second.data;
    }
    Form2& Open() {
        main->cmdgd.Click();
        return *app.Find<Form2>();
    }
    bool YesCurrent(Form2& f) {
        return !f.y2.Enabled() && f.y1.GetPicture() == f.b4.GetPicture() && f.n2.Enabled() &&
               f.n1.GetPicture() == f.b2.GetPicture();
    }
    bool NoCurrent(Form2& f) {
        return f.y2.Enabled() && f.y1.GetPicture() == f.b2.GetPicture() && !f.n2.Enabled() &&
               f.n1.GetPicture() == f.b4.GetPicture();
    }
};

TEST_F(SettingsTest, OnOnlyWhereAValueNamesThisVeryExeQuotedOrNot) {
    EXPECT_TRUE(NoCurrent(Open()));
    EXPECT_EQ(app.Find<Form2>()->Image2.GetPicture(), app.Find<Form2>()->b1.GetPicture());
    EXPECT_EQ(app.Find<Form2>()->loadadd1.Text(), L"C:\\Vantrel");
    const auto shows = [&](RegRoot root, RegValue value) {
        app.Unload<Form2>();
        port.registry.clear();
        PutRun(root, value);
        return YesCurrent(Open());
    };
    EXPECT_TRUE(shows(RegRoot::CurrentUser, {kRegSz, L"C:\\Vantrel\\Vantrel.exe"}));  // written by 2.0.3
    EXPECT_TRUE(shows(RegRoot::LocalMachine, {kRegSz, L"\"c:\\vantrel\\VANTREL.EXE\""}));
    EXPECT_FALSE(shows(RegRoot::LocalMachine, {kRegSz, L"D:\\other\\Vantrel.exe"}));  // another copy
    EXPECT_FALSE(shows(RegRoot::CurrentUser, {kRegSz, L"\"C:\\Vantrel\\Vantrel.exe\" /x"}));
    EXPECT_FALSE(shows(RegRoot::LocalMachine, {kRegExpandSz, L"C:\\Vantrel\\Vantrel.exe"}));
    port.exeName = L"Launcher.exe";  // the value names the folder's Vantrel.exe, not this exe
    EXPECT_FALSE(shows(RegRoot::CurrentUser, {kRegSz, L"C:\\Vantrel\\Vantrel.exe"}));
}

TEST_F(SettingsTest, YesWritesTheQuotedPathPerMachineAndRemovesThePerUserValue) {
    port.folder = L"D:\\My Tools";
    PutRun(RegRoot::CurrentUser, {kRegSz, L"D:\\My Tools\\Vantrel.exe"});
    Form2& f = Open();
    f.n2.Click();  // "否" is current for an unquoted value of ours too
    PutRun(RegRoot::CurrentUser, {kRegSz, L"E:\\old\\Vantrel.exe"});
    app.Unload<Form2>();
    port.messages.clear();
    Form2& g = Open();
    g.y2.Click();
    EXPECT_EQ(Run(RegRoot::LocalMachine), std::wstring(L"\"D:\\My Tools\\Vantrel.exe\"\0", 26));
    EXPECT_EQ(Run(RegRoot::CurrentUser), std::nullopt);  // one log-on starts one copy
    EXPECT_TRUE(YesCurrent(g));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"操作已确认，你的设置为“是”");
    EXPECT_EQ(port.messages[0].caption, L"设置成功");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconInformation));
}

TEST_F(SettingsTest, YesFallsBackToThePerUserKeyAndReplacesAnotherCopysValue) {
    port.readOnlyRoots.insert(RegRoot::LocalMachine);
    PutRun(RegRoot::CurrentUser, {kRegSz, L"E:\\old\\Vantrel.exe"});
    Form2& f = Open();
    EXPECT_TRUE(NoCurrent(f));
    f.y2.Click();
    EXPECT_EQ(Run(RegRoot::LocalMachine), std::nullopt);
    EXPECT_EQ(Run(RegRoot::CurrentUser), std::wstring(L"\"C:\\Vantrel\\Vantrel.exe\"\0", 25));
    EXPECT_TRUE(YesCurrent(f));
    EXPECT_EQ(port.messages.back().caption, L"设置成功");
}

TEST_F(SettingsTest, AValueThatCannotBeRemovedIsSaidInsteadOfSuccess) {
    // Another user's per-machine value, and no rights to change it.
    PutRun(RegRoot::LocalMachine, {kRegSz, L"E:\\shared\\Vantrel.exe"});
    port.readOnlyRoots.insert(RegRoot::LocalMachine);
    Form2& f = Open();
    f.y2.Click();
    EXPECT_EQ(Run(RegRoot::CurrentUser), std::wstring(L"\"C:\\Vantrel\\Vantrel.exe\"\0", 25));
    EXPECT_TRUE(YesCurrent(f));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].caption, L"提示");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconExclamation));
    EXPECT_NE(port.messages[0].text.find(L"HKEY_LOCAL_MACHINE"), std::wstring::npos);
    EXPECT_NE(port.messages[0].text.find(L"E:\\shared\\Vantrel.exe"), std::wstring::npos);

    // "否" removes ours and says the other still starts at log-on.
    f.n2.Click();
    EXPECT_EQ(Run(RegRoot::CurrentUser), std::nullopt);
    EXPECT_TRUE(NoCurrent(f));
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[1].caption, L"提示");
    EXPECT_NE(port.messages[1].text.find(L"“否”"), std::wstring::npos);
}

TEST_F(SettingsTest, AChangeThatCannotBeMadeIsSaidAndTheButtonsStay) {
    port.readOnlyRoots = {RegRoot::LocalMachine, RegRoot::CurrentUser};
    Form2& f = Open();
    f.y2.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].caption, L"提示");
    EXPECT_NE(port.messages[0].text.find(L"设置没有改变"), std::wstring::npos);
    EXPECT_TRUE(NoCurrent(f));

    port.readOnlyRoots.clear();
    PutRun(RegRoot::LocalMachine, {kRegSz, std::wstring(L"C:\\Vantrel\\Vantrel.exe\0", 23)});
    app.Unload<Form2>();
    Form2& g = Open();
    port.readOnlyRoots = {RegRoot::LocalMachine};
    g.n2.Click();
    EXPECT_EQ(port.messages.back().caption, L"提示");
    EXPECT_NE(port.messages.back().text.find(L"仍会随 Windows 启动"), std::wstring::npos);
    EXPECT_TRUE(YesCurrent(g));
}

TEST_F(SettingsTest, NoDeletesTheValueFromBothKeys) {
    PutRun(RegRoot::LocalMachine, {kRegSz, std::wstring(L"C:\\Vantrel\\Vantrel.exe\0", 23)});
    PutRun(RegRoot::CurrentUser, {kRegSz, std::wstring(L"\"C:\\Vantrel\\Vantrel.exe\"\0", 25)});
    Form2& f = Open();
    f.n2.Click();
    EXPECT_EQ(Run(RegRoot::LocalMachine), std::nullopt);
    EXPECT_EQ(Run(RegRoot::CurrentUser), std::nullopt);
    EXPECT_TRUE(NoCurrent(f));
    EXPECT_EQ(port.messages.back().text, L"操作已确认，你的设置为“否”");
    EXPECT_EQ(port.CallsTo(L"RegDelete"),
              (std::vector<std::wstring>{L"RegDelete(HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run,Vantrel)",
                                         L"RegDelete(HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run,Vantrel)"}));
}

TEST_F(SettingsTest, HoverAndPressFaces) {
    Form2& f = Open();  // "否" current
    f.y2.MouseMove(MouseArgs{});
    EXPECT_EQ(f.y1.GetPicture(), f.b5.GetPicture());
    EXPECT_EQ(f.n1.GetPicture(), f.b4.GetPicture());
    f.y2.MouseDown(MouseArgs{1, 0, 0, 0});
    EXPECT_EQ(f.y1.GetPicture(), f.b3.GetPicture());
    f.MouseMoveAt(MouseArgs{0, 0, 300, 1900});  // inside Frame1
    EXPECT_EQ(f.y1.GetPicture(), f.b2.GetPicture());
    EXPECT_EQ(f.n1.GetPicture(), f.b4.GetPicture());
    f.Command2.MouseMove(MouseArgs{});
    EXPECT_EQ(f.Image2.GetPicture(), f.b5.GetPicture());
    f.Command2.MouseDown(MouseArgs{1, 0, 0, 0});
    EXPECT_EQ(f.Image2.GetPicture(), f.b3.GetPicture());
    f.Label3.MouseMove(MouseArgs{});
    EXPECT_EQ(f.Label3.ForeColor(), (Colour{255, 0, 0}));
    f.MouseMoveAt(MouseArgs{0, 0, 300, 1900});  // Frame1 only
    EXPECT_EQ(f.Image2.GetPicture(), f.b3.GetPicture());
    f.MouseMoveAt(MouseArgs{0, 0, 100, 2900});  // below the frame
    EXPECT_EQ(f.Image2.GetPicture(), f.b1.GetPicture());
    EXPECT_EQ(f.Label3.ForeColor(), (Colour{0, 0, 255}));
}

TEST_F(SettingsTest, EveryWayOutGivesTheMainWindowBack) {
    Form2& f = Open();
    EXPECT_FALSE(main->Enabled());
    EXPECT_EQ(main->Check1.Value(), 0);
    f.Label3.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(),
              L"ShellExecute(" + std::to_wstring(f.hWnd()) + L",Open,https://www.talvorin.com,,C:\\Vantrel,1)");
    f.Command2.Click();
    EXPECT_FALSE(app.IsLoaded<Form2>());
    EXPECT_TRUE(main->Enabled());
    EXPECT_EQ(main->Check1.Value(), 1);
    Open();
    EXPECT_TRUE(app.Unload(*app.Find<Form2>(), UnloadMode::FromControlMenu));
    EXPECT_TRUE(main->Enabled());
    EXPECT_EQ(main->Check1.Value(), 1);
}

}  // namespace
}  // namespace vantrel::testing
