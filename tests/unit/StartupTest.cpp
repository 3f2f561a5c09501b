// The main window's load handler: single instance, greeting, the forms it
// brings up, and what it resets on every run.
#include "fake/Fixture.h"
#include "ui/forms/Pictures.h"
#include "ui/tray/frmMenuForm.h"
#include "ui/tray/icon1.h"
#include "ui/tray/logo.h"

#include <algorithm>
#include "ui/voice/Form4.h"

namespace vantrel::testing {
namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, SecondCopyIsRefusedBeforeAnythingElseHappens) {
    port.anotherInstance = true;
    bool pollingDuringRefusal = true;
    port.during = [&](const std::wstring& call) {
        if (call.rfind(L"MessageBox", 0) != 0) return;
        Form1* form = app.Find<Form1>();
        pollingDuringRefusal = form && (form->Timer1.Enabled() || form->Timer2.Enabled());
    };
    Start();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"程序已经运行，请不要运行多个《Vantrel》");
    EXPECT_EQ(port.messages[0].caption, L"程序已经运行");
    EXPECT_EQ(port.messages[0].style, 0u);  // OK button, no icon
    EXPECT_FALSE(pollingDuringRefusal);
    EXPECT_TRUE(port.ended);
    EXPECT_EQ(port.calls.back(), L"EndProcess()");
    EXPECT_FALSE(app.IsLoaded<Form1>());
    EXPECT_FALSE(app.IsLoaded<frmMenuForm>());
    EXPECT_FALSE(app.IsLoaded<icon1>());
    EXPECT_EQ(host.attached, (std::vector<std::wstring>{L"Form1"}));
}

TEST_F(StartupTest, FirstStartShowsTheWindowThenGreets) {
    Form1& form = Start();
    EXPECT_TRUE(form.Visible());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"第一次启动，请配置，然后按“保存”");
    EXPECT_EQ(port.messages[0].caption, L"第一次启动");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconInformation));
    EXPECT_EQ(port.messages[0].owner, form.hWnd());
    for (auto& chooser : form.cmbChooseKey) {
        EXPECT_EQ(chooser.Text(), L"无");
        EXPECT_EQ(chooser.Items(), ChooserKeyNames());
    }
    EXPECT_EQ(form.List1.ListCount(), 0);
    for (auto code : form.Table().SystemKeys) EXPECT_EQ(code, 0);
    EXPECT_FALSE(port.ended);
}

// Either file is enough: no greeting, the window stays hidden, and each file
// fills what it holds while the other's part stays empty.
TEST_F(StartupTest, AStartWithEitherFileStaysHiddenAndSilent) {
    port.PutText(L"\\Function.dll", L"无,F3,无,无,无,F11,无\r\n");
    Form1& form = Start();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(form.cmbChooseKey[1].Text(), L"F3");
    EXPECT_EQ(form.Table().SystemKeys[1], 0x72);
    EXPECT_EQ(form.Table().SystemKeys[5], 0x7A);
    EXPECT_EQ(form.List1.ListCount(), 0);

    FakePort onlyCustom;
    onlyCustom.PutText(L"\\Custom.dll", L"F5   C:\\音乐\\list.m3u,F10   C:\\a.exe\r\n");
    Application app2{onlyCustom};
    Form1& other = app2.Get<Form1>();
    EXPECT_FALSE(other.Visible());
    EXPECT_TRUE(onlyCustom.messages.empty());
    EXPECT_EQ(other.List1.Items(),
              (std::vector<std::wstring>{L"F5   C:\\音乐\\list.m3u", L"F10   C:\\a.exe"}));
    for (auto& chooser : other.cmbChooseKey) EXPECT_EQ(chooser.Text(), L"无");
}

TEST_F(StartupTest, BringsUpTheHiddenFormsInOrderAndOnlyOnce) {
    port.PutText(L"\\Function.dll", L"无,无,无,无,无,无,无");
    Form1& form = Start();
    EXPECT_EQ(host.attached,
              (std::vector<std::wstring>{L"Form1", L"frmMenuForm", L"icon1", L"logo"}));
    EXPECT_FALSE(app.Find<icon1>()->Visible());
    EXPECT_TRUE(app.Find<logo>()->Visible());
    form.Form_Load();
    EXPECT_EQ(host.attached.size(), 4u);
}

TEST_F(StartupTest, SplashLeavesOnItsTimerAndIsNotShownOnResume) {
    port.PutText(L"\\Function.dll", L"无");
    Start();
    // The splash takes the main window out of the top-most band before the
    // start-up puts it back.
    EXPECT_EQ(port.CallsTo(L"SetTopmost"),
              (std::vector<std::wstring>{L"SetTopmost(100,0)", L"SetTopmost(100,1)"}));
    app.Find<logo>()->Timer1_Timer();
    EXPECT_FALSE(app.IsLoaded<logo>());
    app.Unload<Form1>();
    app.Get<Form1>();
    EXPECT_FALSE(app.IsLoaded<logo>());
    EXPECT_EQ(std::count(host.attached.begin(), host.attached.end(), L"icon1"), 1);
}

TEST_F(StartupTest, VoiceWindowIsLoadedHiddenOnlyWhenSwitchedOn) {
    port.PutText(L"\\Function.dll", L"无");
    Start();
    EXPECT_FALSE(app.IsLoaded<Form4>());

    FakePort port2;
    port2.PutText(L"\\Function.dll", L"无");
    port2.PutText(L"\\tools\\yy\\set1.dll", L"1\r\n");
    Application app2{port2};
    app2.Get<Form1>();
    ASSERT_TRUE(app2.IsLoaded<Form4>());
    EXPECT_FALSE(app2.Find<Form4>()->Visible());
}

TEST_F(StartupTest, PutsTheWindowOnTopAndResetsButtonsAndStatus) {
    port.PutText(L"\\Function.dll", L"无");
    Form1& form = Start();
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_EQ(port.CallsTo(L"SetTopmost").back(), L"SetTopmost(100,1)");
    EXPECT_FALSE(form.cmdApplyt.Enabled());
    EXPECT_EQ(form.cmdApply.GetPicture(), form.Bef.GetPicture());
    EXPECT_EQ(form.cmdOk.GetPicture(), form.Bauto.GetPicture());
    EXPECT_FALSE(form.cmddelt.Enabled());
    EXPECT_EQ(form.cmddel.GetPicture(), form.Bef.GetPicture());
    EXPECT_EQ(form.zt.Caption(), L"");
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_TRUE(form.Timer2.Enabled());
}

TEST_F(StartupTest, ReadsTheBrowserStartPageOnEveryLoad) {
    const auto key = std::make_tuple(RegRoot::CurrentUser,
                                     std::wstring(L"Software\\Microsoft\\Internet Explorer\\Main"),
                                     std::wstring(L"Start Page"));
    port.registry[key] = RegValue{kRegSz, std::wstring(L"http://例子.cn/\0junk\0", 19)};
    port.PutText(L"\\Function.dll", L"无");
    Form1& form = Start();
    EXPECT_EQ(form.Text4.Text(), L"http://例子.cn/");
    port.registry[key] = RegValue{kRegExpandSz, L"%HOME%\\page.htm"};
    form.Form_Load();
    EXPECT_EQ(form.Text4.Text(), L"");
}

TEST_F(StartupTest, AStepThatThrowsIsTracedAndTheStartGoesOn) {
    port.registry[{RegRoot::CurrentUser, L"Software\\Microsoft\\Internet Explorer\\Main",
                   L"Start Page"}] = RegValue{kRegSz, L"http://a.cn/"};
    port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt");
    port.PutText(L"\\Function.dll", L"F2");
    port.PutText(L"\\tools\\yy\\set1.dll", L"1");
    port.throwingPaths = {L"C:\\Vantrel\\Function.dll", L"C:\\Vantrel\\tools\\yy\\set1.dll"};
    Form1& form = Start();
    EXPECT_EQ(port.CallsTo(L"Trace("),
              (std::vector<std::wstring>{L"Trace(start-up: Function.dll: scripted failure)",
                                         L"Trace(start-up: voice keys: scripted failure)",
                                         L"Trace(start-up: greeting: scripted failure)"}));
    // The steps after each failure still ran.
    EXPECT_EQ(form.List1.ListCount(), 1);
    EXPECT_EQ(form.Text4.Text(), L"http://a.cn/");
    EXPECT_FALSE(app.IsLoaded<Form4>());
    EXPECT_TRUE(form.Timer1.Enabled() || form.Timer2.Enabled());
    EXPECT_EQ(form.cmbChooseKey[0].Text(), L"无");

    // In a tick, one launch that throws does not stop the next one.
    form.Timer2_Timer();
    port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt,F5   C:\\b.txt");
    port.throwingPaths.clear();
    form.Form_Load();
    form.Timer2_Timer();
    int launches = 0;
    port.during = [&](const std::wstring& call) {
        if (call.rfind(L"ShellExecute", 0) == 0 && launches++ == 0) throw std::runtime_error("busy");
    };
    Tick(form, {kF5});
    port.during = nullptr;
    EXPECT_EQ(launches, 2);
    EXPECT_EQ(port.CallsTo(L"Trace(key"),
              (std::vector<std::wstring>{L"Trace(key monitor: launch: busy)"}));
    EXPECT_EQ(port.calls.back(), Launch(form, L"C:\\b.txt"));
    EXPECT_FALSE(form.Timer1.Enabled());
}

}  // namespace
}  // namespace vantrel::testing
