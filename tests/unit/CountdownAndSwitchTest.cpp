// "关机和重启前倒数 5 秒（可取消）" and "程序已在运行时切换到它的窗口": the
// countdown before a shut-down, and an open program brought back instead of
// started twice.
#include "fake/Fixture.h"
#include "ui/main/frmCountdown.h"

namespace vantrel::testing {
namespace {

constexpr int kEscape = 0x1B;

class CountdownAndSwitchTest : public AppTest {
protected:
    Form1* form = nullptr;
    void StartWith(const std::string& ini) {
        port.PutText(L"\\Function.dll", L"F2,F3,无,无,无,无,无\r\n");
        port.PutText(L"\\Custom.dll", L"F5   C:\\Tools\\App.EXE,F6   C:\\notes.txt\r\n");
        port.PutFile(L"\\Vantrel.ini", ini);
        form = &Start();
        form->Timer2_Timer();
    }
    frmCountdown* Countdown() { return app.Find<frmCountdown>(); }
    long Exits() const { return static_cast<long>(port.CallsTo(L"ExitWindows").size()); }
    // One poll with these keys down, then the half-second pause over.
    void Poll(std::set<int> keys) {
        Tick(*form, std::move(keys));
        form->Timer2_Timer();
    }
};

TEST_F(CountdownAndSwitchTest, AShutDownCountsDownFiveSecondsAndGoesAhead) {
    StartWith("ShutdownCountdown=1\r\n");
    Poll({kF2});
    ASSERT_NE(Countdown(), nullptr);
    EXPECT_EQ(Countdown()->Caption(), L"即将关机");
    EXPECT_EQ(Countdown()->Command2.Caption(), L"立即关机");
    EXPECT_TRUE(Countdown()->Visible());
    EXPECT_EQ(Countdown()->Controls().front(), &Countdown()->Command1);  // 取消 has the focus
    EXPECT_EQ(port.CallsTo(L"SetTopmost(" + std::to_wstring(Countdown()->hWnd()) + L",1)").size(), 1u);
    EXPECT_EQ(Countdown()->Timer1.Interval(), 1000u);
    for (int second = 1; second < frmCountdown::kSeconds; ++second) Countdown()->Timer1_Timer();
    EXPECT_EQ(Exits(), 0);
    EXPECT_EQ(Countdown()->Label1.Caption().rfind(L"1 秒后关闭计算机", 0), 0u);
    Countdown()->Timer1_Timer();
    EXPECT_EQ(port.CallsTo(L"ExitWindows"), (std::vector<std::wstring>{L"ExitWindows(1)"}));
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());

    // "立即重启" goes ahead at once.
    Poll({kF3});
    EXPECT_EQ(Countdown()->Caption(), L"即将重启");
    Countdown()->Command2.Click();
    EXPECT_EQ(port.CallsTo(L"ExitWindows").back(), L"ExitWindows(2)");
}

TEST_F(CountdownAndSwitchTest, CancelledByTheButtonByEscOrBySecondPressOfTheKey) {
    StartWith("ShutdownCountdown=1\r\n");
    Poll({kF2});
    EXPECT_TRUE(Countdown()->PressCancel());  // 取消, and Esc in the window
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());

    // The window may not have the keyboard: the monitor watches Esc ...
    Poll({kF2});
    Poll({kF5});  // other keys do nothing meanwhile
    EXPECT_TRUE(port.CallsTo(L"ShellExecute").empty());
    Poll({kEscape});
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());

    // ... and the same key pressed again, not the press still held.
    Poll({kF2});
    Poll({kF2});
    EXPECT_TRUE(app.IsLoaded<frmCountdown>());
    Poll({});
    Poll({kF2});
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());
    // The press that called it off, still held, does not count down again.
    Poll({kF2});
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());
    Poll({});
    Poll({kF2});
    ASSERT_TRUE(app.IsLoaded<frmCountdown>());
    Countdown()->Command1.Click();
    EXPECT_EQ(Exits(), 0);
    // Monitoring goes on as before.
    Poll({kF5});
    EXPECT_EQ(port.CallsTo(L"ShellExecute").size(), 1u);
}

TEST_F(CountdownAndSwitchTest, WithoutTheOptionTheKeyShutsDownAtOnce) {
    StartWith("");
    Poll({kF2});
    EXPECT_FALSE(app.IsLoaded<frmCountdown>());
    EXPECT_EQ(Exits(), 1);
}

TEST_F(CountdownAndSwitchTest, AnOpenProgramIsBroughtBackAndDocumentsOpenAgain) {
    StartWith("SwitchToRunning=1\r\n");
    port.programWindows[L"C:\\Tools\\App.EXE"] = 77;
    port.programWindows[L"C:\\notes.txt"] = 78;  // a document is never looked for
    Poll({kF5, kF6});
    EXPECT_EQ(port.CallsTo(L"SwitchToWindow"), (std::vector<std::wstring>{L"SwitchToWindow(77)"}));
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), (std::vector<std::wstring>{Launch(*form, L"C:\\notes.txt")}));
    // Not open: started as ever.
    port.programWindows.clear();
    Poll({kF5});
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Launch(*form, L"C:\\Tools\\App.EXE"));
}

TEST_F(CountdownAndSwitchTest, WithoutTheOptionAnOpenProgramStartsAgain) {
    StartWith("SwitchToRunning=0\r\n");
    port.programWindows[L"C:\\Tools\\App.EXE"] = 77;
    Poll({kF5});
    EXPECT_TRUE(port.CallsTo(L"SwitchToWindow").empty());
    EXPECT_EQ(port.CallsTo(L"ShellExecute").size(), 1u);
}

}  // namespace
}  // namespace vantrel::testing
