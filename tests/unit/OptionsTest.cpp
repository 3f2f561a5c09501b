// "个性化设置": Vantrel.ini as read and written, the window, and what the
// options do to the key monitor.
#include "engine/FullScreen.h"
#include "fake/Fixture.h"
#include "ui/settings/Form3.h"

namespace vantrel::testing {
namespace {

class OptionsTest : public AppTest {
protected:
    Form1* form = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"F2,无,无,无,无,无,无\r\n");
        port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt\r\n");
    }
    void StartWith(const std::string& ini) {
        if (!ini.empty()) port.PutFile(L"\\Vantrel.ini", ini);
        form = &Start();
        form->Timer2_Timer();
    }
    long Launches() const { return static_cast<long>(port.CallsTo(L"ShellExecute").size()); }
};

TEST_F(OptionsTest, TheFileKeepsWhatItDoesNotKnowAndAMissingFileIsAllOff) {
    StartWith("");
    for (std::size_t i = 0; i < kOptionCount; ++i) EXPECT_FALSE(form->CurrentOptions().On(static_cast<Option>(i)));

    // Known names with 0 or 1 count; anything else is kept as it was and
    // read as off, a second line of a name included.
    const Options read = Options::Parse({L"OneLaunchPerPress=1", L"# mine", L"FullScreenPause=yes",
                                         L"Volume=3", L"", L"OneLaunchPerPress=0", L"SwitchToRunning=1"});
    EXPECT_TRUE(read.On(Option::OneLaunchPerPress));
    EXPECT_FALSE(read.On(Option::FullScreenPause));
    EXPECT_TRUE(read.On(Option::SwitchToRunning));
    EXPECT_EQ(read.Lines(), (std::vector<std::wstring>{
                                L"FullScreenPause=0", L"ShutdownCountdown=0", L"OneLaunchPerPress=1",
                                L"SwitchToRunning=1", L"# mine", L"FullScreenPause=yes", L"Volume=3",
                                L"OneLaunchPerPress=0"}));
    // Written GBK, CR LF, one line each, and read back the same.
    ASSERT_TRUE(SaveOptions(port, port.folder, read).ok);
    EXPECT_EQ(port.Bytes(L"\\Vantrel.ini"),
              "FullScreenPause=0\r\nShutdownCountdown=0\r\nOneLaunchPerPress=1\r\nSwitchToRunning=1\r\n"
              "# mine\r\nFullScreenPause=yes\r\nVolume=3\r\nOneLaunchPerPress=0\r\n");
    // Read back, the options and the kept lines are what they were.
    const Options back = ReadOptions(port, port.folder);
    EXPECT_EQ(back.Lines(), read.Lines());
    EXPECT_TRUE(back.On(Option::OneLaunchPerPress));
}

TEST_F(OptionsTest, TheWindowShowsStoresAndAppliesAtOnceOrChangesNothing) {
    StartWith("Volume=3\r\nFullScreenPause=1\r\n");
    form->Show();
    form->Check1.SetValue(0);
    Form3& options = app.Get<Form3>();
    EXPECT_EQ(options.Caption(), L"个性化设置");
    std::vector<std::wstring> tabOrder;
    for (Control* c : options.Controls())
        if (c->TabStop())
            tabOrder.push_back(c->Kind() == ControlKind::CheckBox ? static_cast<CheckBox*>(c)->Caption()
                                                                  : static_cast<ImageButton*>(c)->Caption());
    EXPECT_EQ(tabOrder, (std::vector<std::wstring>{
                            L"全屏程序在前台时暂停热键", L"关机和重启前倒数 5 秒（可取消）",
                            L"按住热键不重复启动", L"程序已在运行时切换到它的窗口", L"恢复上一次保存的设置",
                            L"确定", L"取消"}));
    EXPECT_EQ(options.chkOption[0].Value(), 1);
    EXPECT_EQ(options.chkOption[2].Value(), 0);

    // 取消 (and Esc) change nothing.
    options.chkOption[2].SetValue(1);
    EXPECT_TRUE(options.PressCancel());
    EXPECT_FALSE(app.IsLoaded<Form3>());
    EXPECT_EQ(port.Bytes(L"\\Vantrel.ini"), "Volume=3\r\nFullScreenPause=1\r\n");
    EXPECT_FALSE(form->CurrentOptions().On(Option::OneLaunchPerPress));
    EXPECT_EQ(form->Check1.Value(), 1);  // the main window is given back

    // A file that cannot be written: named, nothing changes, the window stays.
    Form3& again = app.Get<Form3>();
    again.chkOption[2].SetValue(1);
    port.unwritable.insert(port.Path(L"\\Vantrel.ini.new"));
    again.cmdOK.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(port.Path(L"\\Vantrel.ini")), std::wstring::npos);
    EXPECT_TRUE(app.IsLoaded<Form3>());
    EXPECT_EQ(port.Bytes(L"\\Vantrel.ini"), "Volume=3\r\nFullScreenPause=1\r\n");
    EXPECT_FALSE(form->CurrentOptions().On(Option::OneLaunchPerPress));

    // 确定 stores and the monitor follows at once.
    port.unwritable.clear();
    again.cmdOK.Click();
    EXPECT_FALSE(app.IsLoaded<Form3>());
    EXPECT_EQ(port.Bytes(L"\\Vantrel.ini"),
              "FullScreenPause=1\r\nShutdownCountdown=0\r\nOneLaunchPerPress=1\r\nSwitchToRunning=0\r\nVolume=3\r\n");
    EXPECT_TRUE(form->CurrentOptions().On(Option::OneLaunchPerPress));
}

TEST_F(OptionsTest, FullScreenMeansNoCaptionOverTheWholeMonitorOrTheSystemsWord) {
    ForegroundFacts game;
    game.exists = true;
    game.window = game.monitor = {0, 0, 1920, 1080};
    EXPECT_TRUE(IsFullScreen(game));
    ForegroundFacts maximised = game;  // a maximised window keeps its caption
    maximised.hasCaption = true;
    maximised.window = {-8, -8, 1928, 1048};
    EXPECT_FALSE(IsFullScreen(maximised));
    ForegroundFacts workArea = game;  // caption-less, but the taskbar shows
    workArea.window = {0, 0, 1920, 1040};
    EXPECT_FALSE(IsFullScreen(workArea));
    ForegroundFacts desktop = game;
    desktop.desktopOrTaskbar = true;
    EXPECT_FALSE(IsFullScreen(desktop));
    ForegroundFacts secondMonitor = game;
    secondMonitor.window = secondMonitor.monitor = {1920, 0, 3840, 1080};
    EXPECT_TRUE(IsFullScreen(secondMonitor));
    ForegroundFacts said;
    said.systemSaysFullScreen = true;
    EXPECT_TRUE(IsFullScreen(said));
}

TEST_F(OptionsTest, AFullScreenProgramKeepsItsKeysOnlyWithTheOption) {
    port.foreground.exists = true;
    port.foreground.window = port.foreground.monitor = {0, 0, 1024, 768};
    StartWith("FullScreenPause=1\r\n");
    for (int i = 0; i < 5; ++i) Tick(*form, {});
    EXPECT_EQ(port.foregroundLooks, 0);  // asked only when a bound key is down
    Tick(*form, {kF5});
    Tick(*form, {kF12});
    Tick(*form, {kF2});
    EXPECT_EQ(Launches(), 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(port.CallsTo(L"ExitWindows").empty());
    EXPECT_EQ(port.foregroundLooks, 3);
    // An ordinary window in front: the keys work.
    port.foreground.hasCaption = true;
    Tick(*form, {kF5});
    EXPECT_EQ(Launches(), 1);
    // Without the option a full-screen program changes nothing.
    Options off = form->CurrentOptions();
    off.Set(Option::FullScreenPause, false);
    form->SetOptions(off);
    port.foreground.hasCaption = false;
    form->Timer2_Timer();
    Tick(*form, {kF5});
    EXPECT_EQ(Launches(), 2);
}

TEST_F(OptionsTest, OneLaunchPerPressFiresAHeldKeyOnceUntilReleased) {
    StartWith("OneLaunchPerPress=1\r\n");
    port.HoldKeys({kF5});
    for (int i = 0; i < 4; ++i) {  // held through several half-second pauses
        form->Timer1_Timer();
        form->Timer2_Timer();
    }
    EXPECT_EQ(Launches(), 1);
    // Another key still acts while F5 is held.
    port.HoldKeys({kF5, kF12});
    form->Timer1_Timer();
    EXPECT_TRUE(form->Visible());
    form->Timer2_Timer();
    // Released and pressed again: a new press.
    port.HoldKeys({});
    form->Timer1_Timer();
    port.HoldKeys({kF5});
    form->Timer1_Timer();
    EXPECT_EQ(Launches(), 2);
}

}  // namespace
}  // namespace vantrel::testing
