// The six system actions as the key monitor runs them.
#include "fake/Fixture.h"

namespace vantrel::testing {
namespace {

class SystemActionsTest : public AppTest {
protected:
    Form1* form = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"F2,F3,F4,F5,F6,F7,F8");
        port.registry[{RegRoot::CurrentUser, L"Software\\Microsoft\\Internet Explorer\\Main",
                       L"Start Page"}] = RegValue{kRegSz, std::wstring(L"http://home.example/\0", 21)};
        form = &Start();
        form->Timer2_Timer();
        port.calls.clear();
    }
    std::wstring Press(int key) {
        port.calls.clear();
        Tick(*form, {key});
        form->Timer2_Timer();
        std::wstring made;
        for (const auto& call : port.calls) made += (made.empty() ? L"" : L" | ") + call;
        return made;
    }
};

TEST_F(SystemActionsTest, EachSlotMakesItsExactCall) {
    const std::wstring window = std::to_wstring(form->hWnd());
    EXPECT_EQ(Press(kF2), L"ExitWindows(1)");
    EXPECT_EQ(Press(kF3), L"ExitWindows(2)");
    EXPECT_EQ(Press(0x73), L"StartScreenSaver(" + window + L")");
    EXPECT_EQ(Press(kF5), L"MciCommand(set CDAudio door open)");
    EXPECT_EQ(Press(kF6), L"MciCommand(set CDAudio door closed)");
    // Only the action that opens a window earns the foreground for it.
    EXPECT_EQ(Press(0x76), L"EarnForeground() | " + Launch(*form, L"http://home.example/"));
    EXPECT_EQ(Press(0x77), L"");  // the add row's key binds nothing
}

TEST_F(SystemActionsTest, ARefusedShutdownLeavesTheMonitorPolling) {
    port.exitWindowsResult = false;
    Tick(*form, {kF2});
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"ExitWindows(1)"}));
    form->Timer2_Timer();
    EXPECT_TRUE(form->Timer1.Enabled());
    EXPECT_TRUE(app.IsLoaded<Form1>());
}

TEST_F(SystemActionsTest, AnEmptyStartPageOpensNothing) {
    port.registry.clear();
    form->cmdApplyt_Click();  // the reload reads the start page again
    EXPECT_EQ(form->Text4.Text(), L"");
    EXPECT_EQ(Press(0x76), L"");
    form->Text4.SetText(L"   ");
    EXPECT_EQ(Press(0x76), L"");
}

}  // namespace
}  // namespace vantrel::testing
