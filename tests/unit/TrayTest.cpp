// The tray icon and its menu, pausing and resuming the monitor, and the
// exit dialogs.
#include "fake/Fixture.h"
#include "ui/help/GY.h"
#include "ui/settings/Form2.h"
#include "ui/tray/endset01.h"
#include "ui/tray/icon1.h"
#include "ui/tray/un1.h"

#include <algorithm>

namespace vantrel::testing {
namespace {

class TrayTest : public AppTest {
protected:
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"无,无,无,无,无,无,无\r\n");
        port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt\r\n");
        Start();
    }
    icon1& Tray() { return *app.Find<icon1>(); }
    // Right-clicks the icon and picks the menu item with that caption.
    void Choose(const std::wstring& caption) {
        const auto& items = Tray().xx.items;
        const auto it = std::find_if(items.begin(), items.end(),
                                     [&](MenuItem* i) { return i->Caption() == caption; });
        ASSERT_NE(it, items.end()) << caption;
        port.popupAnswer = static_cast<int>(it - items.begin()) + 1;
        port.trayEvent(TrayMouse::RightDown);
        port.popupAnswer = 0;
    }
    std::vector<bool> EnabledItems() {
        std::vector<bool> enabled;
        for (auto& item : port.popups.back().items)
            if (!item.separator) enabled.push_back(item.enabled);
        return enabled;
    }
};

TEST_F(TrayTest, OnlyARightButtonPressOpensTheMenu) {
    for (TrayMouse mouse : {TrayMouse::Move, TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick,
                            TrayMouse::RightUp, TrayMouse::RightDoubleClick, TrayMouse::Other})
        port.trayEvent(mouse);
    EXPECT_TRUE(port.popups.empty());
    port.trayEvent(TrayMouse::RightDown);
    ASSERT_EQ(port.popups.size(), 1u);
    EXPECT_EQ(port.popups[0].owner, Tray().hWnd());
    EXPECT_EQ(port.CallsTo(L"PopupMenuAtCursor").size(), 1u);
    std::vector<std::wstring> captions;
    for (auto& item : port.popups[0].items) captions.push_back(item.separator ? L"-" : item.caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"打开配置窗口   (F12)", L"-", L"继续监视 (&S)",
                                                   L"暂停监视 (&P)", L"-", L"更多设置...", L"-",
                                                   L"关于软件...", L"-", L"退出软件  (&X)"}));
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, false, true, true, true, true}));
}

TEST_F(TrayTest, PauseDropsTheMainWindowAndResumeReadsTheFilesAgain) {
    Form1& before = *app.Find<Form1>();
    before.Show();
    before.List1.AddItem(L"F6   C:\\unsaved.txt");  // an edit that was never saved
    Choose(L"暂停监视 (&P)");
    EXPECT_FALSE(app.IsLoaded<Form1>());
    port.trayEvent(TrayMouse::RightDown);
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{false, true, false, false, false, false}));

    port.PutText(L"\\Custom.dll", L"F7   C:\\b.txt\r\n");  // edited while paused
    Choose(L"继续监视 (&S)");
    ASSERT_TRUE(app.IsLoaded<Form1>());
    Form1& after = *app.Find<Form1>();
    EXPECT_FALSE(after.Visible());
    EXPECT_EQ(after.List1.Items(), (std::vector<std::wstring>{L"F7   C:\\b.txt"}));
    EXPECT_EQ(after.Table().EntryKeyCodes, (std::vector<KeyCode>{0x76}));
    port.trayEvent(TrayMouse::RightDown);
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, false, true, true, true, true}));

    // Even a load that shows the window (no files: the first-start greeting)
    // ends hidden on resume.
    Choose(L"暂停监视 (&P)");
    port.files.clear();
    Choose(L"继续监视 (&S)");
    EXPECT_FALSE(app.Find<Form1>()->Visible());
}

TEST_F(TrayTest, OneIconOutOfTheTaskListAndOneSplashThroughManyPauses) {
    EXPECT_FALSE(app.TaskVisible());
    EXPECT_EQ(Tray().Caption(), L"Icon1");
    for (int i = 0; i < 50; ++i) {
        Choose(L"暂停监视 (&P)");
        Choose(L"继续监视 (&S)");
    }
    EXPECT_EQ(port.CallsTo(L"AddTrayIcon"),
              (std::vector<std::wstring>{L"AddTrayIcon(Vantrel (按 F12 配置))"}));
    EXPECT_TRUE(port.CallsTo(L"DeleteTrayIcon").empty());
    EXPECT_EQ(std::count(host.attached.begin(), host.attached.end(), L"logo"), 1);
    EXPECT_EQ(std::count(host.attached.begin(), host.attached.end(), L"icon1"), 1);
    EXPECT_TRUE(port.trayShown);
}

TEST_F(TrayTest, OpenSettingsAndAboutFromTheTray) {
    Choose(L"打开配置窗口   (F12)");
    EXPECT_TRUE(app.Find<Form1>()->Visible());
    Choose(L"更多设置...");
    EXPECT_FALSE(app.Find<Form1>()->Enabled());
    ASSERT_TRUE(app.IsLoaded<Form2>());
    EXPECT_TRUE(app.Find<Form2>()->Visible());
    app.Unload<Form2>();
    EXPECT_TRUE(app.Find<Form1>()->Enabled());
    Choose(L"关于软件...");
    ASSERT_TRUE(app.IsLoaded<GY>());
    EXPECT_TRUE(app.Find<GY>()->Visible());
    EXPECT_TRUE(port.modals.empty());  // both modeless
}

TEST_F(TrayTest, TheIconAndF12BringTheWindowUpAndAModalDialogAboveIt) {
    Form1& form = *app.Find<Form1>();
    const std::wstring raiseMain = L"RaiseWindow(" + std::to_wstring(form.hWnd()) + L")";
    // A click on the icon is input to the program: no key needs injecting.
    port.calls.clear();
    Choose(L"打开配置窗口   (F12)");
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(port.CallsTo(L"RaiseWindow"), (std::vector<std::wstring>{raiseMain}));
    EXPECT_TRUE(port.CallsTo(L"EarnForeground").empty());
    // F12 while the exit chooser runs modally: the window, then the chooser
    // that takes the input, come up.
    form.Timer2_Timer();
    std::vector<std::wstring> raised;
    port.during = [&](const std::wstring& call) {
        if (call.rfind(L"RunModal", 0) != 0 || !raised.empty()) return;
        port.calls.clear();
        Tick(form, {kF12});
        raised = port.calls;
    };
    form.cmdcancelt.Click();
    EXPECT_EQ(raised, (std::vector<std::wstring>{L"EarnForeground()", raiseMain,
                                                 L"RaiseWindow(" + std::to_wstring(app.Find<endset01>()->hWnd()) + L")"}));
}

TEST_F(TrayTest, WhileADialogRunsModallyTheMenuCannotPauseBehindIt) {
    Form1& form = *app.Find<Form1>();
    form.Show();
    bool asked = false;
    port.during = [&](const std::wstring& call) {
        if (call.rfind(L"RunModal", 0) != 0 || asked) return;
        asked = true;
        // The icon brings the exit chooser forward instead of a menu ...
        port.trayEvent(TrayMouse::RightDown);
        EXPECT_TRUE(port.popups.empty());
        EXPECT_EQ(port.calls.back(), L"RaiseWindow(" + std::to_wstring(app.Find<endset01>()->hWnd()) + L")");
        // ... and a pause chosen from a menu opened before does not pretend:
        // the window, whose close is what asked, stays and so does the menu.
        Tray().stoplook1_Click();
        EXPECT_TRUE(app.IsLoaded<Form1>());
        EXPECT_TRUE(Tray().stoplook1.Enabled());
        EXPECT_FALSE(Tray().goonlook1.Enabled());
    };
    // Alt+F4 on the main window opens the exit chooser modally.
    EXPECT_FALSE(app.Unload(form, UnloadMode::FromControlMenu));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(form.Timer1.Enabled() || form.Timer2.Enabled());
    port.during = nullptr;
    port.trayEvent(TrayMouse::RightDown);
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, false, true, true, true, true}));
}

TEST_F(TrayTest, ExitFromTheTrayAsksAndYesRemovesTheIconBeforeEnding) {
    Choose(L"退出软件  (&X)");
    ASSERT_TRUE(app.IsLoaded<un1>());
    un1& dialog = *app.Find<un1>();
    EXPECT_EQ(dialog.Caption(), L"确定退出");
    EXPECT_EQ(dialog.Label1.Caption(), L"你确定要结束Vantrel吗？");
    EXPECT_EQ(port.modals, (std::vector<WindowHandle>{dialog.hWnd()}));
    EXPECT_FALSE(app.IsLoaded<endset01>());  // straight to the confirmation
    port.calls.clear();
    dialog.Command1.Click();
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"DeleteTrayIcon()", L"EndProcess()"}));
    EXPECT_FALSE(port.trayShown);
}

TEST_F(TrayTest, NoAndTheCloseBoxLeaveEverythingRunning) {
    Choose(L"退出软件  (&X)");
    app.Find<un1>()->Command2.Click();
    EXPECT_FALSE(app.IsLoaded<un1>());
    Choose(L"退出软件  (&X)");
    EXPECT_TRUE(app.Unload(*app.Find<un1>(), UnloadMode::FromControlMenu));
    EXPECT_TRUE(port.trayShown);
    EXPECT_FALSE(port.ended);
    EXPECT_TRUE(app.IsLoaded<Form1>());
    EXPECT_TRUE(app.Find<Form1>()->Enabled());
}

class ExitChooserTest : public TrayTest {
protected:
    Form1* form = nullptr;
    endset01* chooser = nullptr;
    void SetUp() override {
        TrayTest::SetUp();
        form = app.Find<Form1>();
        form->Show();
        form->SetEnabled(false);  // as a command that opened another window leaves it
        form->cmdcancelt.Click();
        chooser = app.Find<endset01>();
        ASSERT_NE(chooser, nullptr);
    }
};

TEST_F(ExitChooserTest, ItsButtonsInTabOrderWithTheirCaptions) {
    EXPECT_EQ(chooser->Caption(), L"退出选择");
    EXPECT_EQ(chooser->Frame1.Caption(), L"结束程序");
    std::vector<std::wstring> tabOrder;
    for (Control* c : chooser->Controls())
        if (c->TabStop()) tabOrder.push_back(static_cast<CommandButton*>(c)->Caption());
    EXPECT_EQ(tabOrder, (std::vector<std::wstring>{L"完成配置继续监视热键(&D)",
                                                   L"结束进程不监视热键(&X)", L"返回(&B)"}));
    un1& dialog = app.Get<un1>();
    EXPECT_EQ(dialog.Controls().front(), &dialog.Command1);  // "是" has the focus
    EXPECT_EQ(dialog.Command2.Caption(), L"否");
}

TEST_F(ExitChooserTest, DoneHidesTheWindowAndMonitoringGoesOn) {
    chooser->Command1.Click();
    EXPECT_FALSE(app.IsLoaded<endset01>());
    EXPECT_TRUE(app.IsLoaded<Form1>());
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Enabled());
    EXPECT_TRUE(form->Timer1.Enabled());
}

TEST_F(ExitChooserTest, BackAndTheCloseBoxGiveTheWindowBackWithOnTopStillOff) {
    chooser->Command3.Click();
    EXPECT_FALSE(app.IsLoaded<endset01>());
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Enabled());
    EXPECT_EQ(form->Check1.Value(), 0);
    form->SetEnabled(false);
    form->Label15.Click();
    EXPECT_TRUE(app.Unload(*app.Find<endset01>(), UnloadMode::FromControlMenu));
    EXPECT_TRUE(form->Enabled());
}

TEST_F(ExitChooserTest, EscapeAnswersEachDialogsCancellingChoice) {
    chooser->Command2.Click();
    EXPECT_TRUE(app.Find<un1>()->PressCancel());  // "否"
    EXPECT_FALSE(app.IsLoaded<un1>());
    EXPECT_FALSE(port.ended);
    EXPECT_TRUE(chooser->PressCancel());  // "返回(&B)"
    EXPECT_FALSE(app.IsLoaded<endset01>());
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(app.Get<Form2>().PressCancel());  // "完成配置"
    EXPECT_FALSE(app.IsLoaded<Form2>());
    GY& about = app.Get<GY>();
    about.Show();
    EXPECT_TRUE(about.PressCancel());  // "关闭"
    EXPECT_FALSE(about.Visible());
    // A form without one ignores Escape.
    EXPECT_FALSE(form->PressCancel());
    EXPECT_TRUE(form->Visible());
}

TEST_F(ExitChooserTest, EndAsksOverTheChooserAndNoReturnsToIt) {
    chooser->Command2.Click();
    ASSERT_TRUE(app.IsLoaded<un1>());
    EXPECT_TRUE(app.IsLoaded<endset01>());
    app.Find<un1>()->Command2.Click();
    EXPECT_FALSE(app.IsLoaded<un1>());
    EXPECT_TRUE(app.IsLoaded<endset01>());
    chooser->Command2.Click();
    port.calls.clear();
    app.Find<un1>()->Command1.Click();
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"DeleteTrayIcon()", L"EndProcess()"}));
    EXPECT_TRUE(port.CallsTo(L"Write").empty());
}

}  // namespace
}  // namespace vantrel::testing
