// One tick of the key monitor: which key wins, what is launched with which
// arguments, and how polling pauses after an action.
#include "fake/Fixture.h"

namespace vantrel::testing {
namespace {

class KeyMonitorTest : public AppTest {
protected:
    Form1* form = nullptr;
    void StartWith(const std::wstring& function, const std::wstring& custom) {
        port.PutText(L"\\Function.dll", function);
        if (!custom.empty()) port.PutText(L"\\Custom.dll", custom);
        form = &Start();
        port.calls.clear();
        port.keyQueries.clear();
    }
};

TEST_F(KeyMonitorTest, AnEntryKeyLaunchesItsTargetFromTheProgramFolder) {
    StartWith(L"无,无,无,无,无,无,无", L"F5   C:\\音乐\\list.m3u ,F10   D:\\run.exe");
    Tick(*form, {kF5});
    // A polled key is no input to the program: it earns the foreground for
    // what it opens first.
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"EarnForeground()", Launch(*form, L"C:\\音乐\\list.m3u")}));
    form->Timer2_Timer();
    port.calls.clear();
    Tick(*form, {kF10});
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), (std::vector<std::wstring>{Launch(*form, L"D:\\run.exe")}));
}

TEST_F(KeyMonitorTest, EveryEntryWhoseKeyIsDownLaunchesInListOrder) {
    StartWith(L"无", L"F6   C:\\b.txt,F5   C:\\a.txt,F6   C:\\c.txt,F7   C:\\d.txt");
    Tick(*form, {kF5, kF6});
    // One harmless key injected for the press, not one per launch.
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"EarnForeground()", Launch(*form, L"C:\\b.txt"),
                                                     Launch(*form, L"C:\\a.txt"),
                                                     Launch(*form, L"C:\\c.txt")}));
}

TEST_F(KeyMonitorTest, SystemSlotsWinOverF12AndEntries) {
    StartWith(L"无,F2,无,无,无,无,无", L"F2   C:\\a.txt");
    Tick(*form, {kF2, kF12});
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"ExitWindows(2)"}));
    EXPECT_FALSE(form->Visible());
}

TEST_F(KeyMonitorTest, F12OnlyBringsTheWindowUpAndWinsOverEntries) {
    StartWith(L"无", L"F5   C:\\a.txt");
    Tick(*form, {kF12, kF5});
    EXPECT_TRUE(form->Visible());
    // Shown is not enough: a window already shown but covered, or minimised,
    // is raised too, with the foreground earned first.
    EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"EarnForeground()",
                                                     L"RaiseWindow(" + std::to_wstring(form->hWnd()) + L")"}));
}

TEST_F(KeyMonitorTest, AnActionPausesPollingForOneSlowTick) {
    StartWith(L"无", L"F5   C:\\a.txt");
    EXPECT_EQ(form->Timer1.Interval(), 50u);   // the keys are polled every 50 ms
    EXPECT_EQ(form->Timer2.Interval(), 500u);  // and held off for half a second
    form->Timer2_Timer();  // the start-up's first half-second has passed
    EXPECT_FALSE(form->Timer2.Enabled());
    Tick(*form, {});
    EXPECT_TRUE(form->Timer1.Enabled());  // nothing down: polling goes on
    Tick(*form, {kF5});
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_TRUE(form->Timer2.Enabled());
    form->Timer2_Timer();
    EXPECT_TRUE(form->Timer1.Enabled());
    EXPECT_FALSE(form->Timer2.Enabled());
}

TEST_F(KeyMonitorTest, ATickDeliveredDuringALaunchFindsPollingOff) {
    StartWith(L"无", L"F5   C:\\a.txt");
    form->Timer2_Timer();
    int nested = 0;
    port.during = [this, &nested](const std::wstring& call) {
        // What the shell does with a timer message pumped inside the launch.
        if (call.rfind(L"ShellExecute", 0) == 0 && form->Timer1.Enabled() && nested++ == 0)
            form->Timer1_Timer();
    };
    port.keysDown = {kF5};
    form->Timer1_Timer();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").size(), 1u);
}

TEST_F(KeyMonitorTest, UnboundSlotsAndUnknownNamesAreNeverAskedFor) {
    StartWith(L"无,F12,abc,F1,,无,F5", L"xx   C:\\a.txt,F5   C:\\b.txt,F5   C:\\c.txt");
    port.keysDown = {kF12};
    form->Timer1_Timer();
    // Slot 1 shows "F12" but has no code: only the real F12 query shows it.
    EXPECT_EQ(port.keyQueries, (std::vector<int>{kF12}));
    EXPECT_TRUE(form->Visible());
    form->Timer2_Timer();
    port.keyQueries.clear();
    Tick(*form, {});
    // Slot 6 (the add row) is never polled; each entry key is asked for once.
    EXPECT_EQ(port.keyQueries, (std::vector<int>{kF12, kF5}));
}

TEST_F(KeyMonitorTest, UnsavedEditsDoNotChangeWhatFires) {
    StartWith(L"无", L"F5   C:\\a.txt,F6   C:\\b.txt");
    form->List1.AddItem(L"F7   C:\\new.txt");
    form->List1.RemoveItem(0);
    Tick(*form, {kF5, 0x76});
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), (std::vector<std::wstring>{Launch(*form, L"C:\\a.txt")}));
    form->Timer2_Timer();
    form->List1.Clear();
    port.calls.clear();
    Tick(*form, {kF6});
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), (std::vector<std::wstring>{Launch(*form, L"C:\\b.txt")}));

    // After the save the list is what the monitor watches.
    form->Timer2_Timer();
    form->List1.AddItem(L"F7   C:\\new.txt");
    form->cmdApplyt_Click();
    port.calls.clear();
    Tick(*form, {kF5, kF6, 0x76});
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), (std::vector<std::wstring>{Launch(*form, L"C:\\new.txt")}));
}

TEST_F(KeyMonitorTest, OnlyAKeyDownNowCountsNotOnePressedSinceTheLastPoll) {
    StartWith(L"无,F2,无,无,无,无,无", L"F5   C:\\a.txt");
    form->Timer2_Timer();
    // F5 held through the half-second pause fires again at the next poll,
    // though the system no longer reports it as newly pressed.
    port.HoldKeys({kF5});
    form->Timer1_Timer();
    form->Timer2_Timer();
    form->Timer1_Timer();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").size(), 2u);
    form->Timer2_Timer();
    // Keys pressed and released between two polls fire nothing.
    port.HoldKeys({kF2, kF12, kF5});
    port.HoldKeys({});
    port.calls.clear();
    form->Timer1_Timer();
    EXPECT_TRUE(port.calls.empty());
    EXPECT_FALSE(form->Visible());
}

TEST_F(KeyMonitorTest, PausedMonitoringFiresNothing) {
    StartWith(L"无", L"F5   C:\\a.txt");
    app.Unload(*form);
    EXPECT_FALSE(app.IsLoaded<Form1>());
    EXPECT_EQ(host.detached, (std::vector<std::wstring>{L"Form1"}));
    // A resumed window reads the files again, edited while paused.
    port.PutText(L"\\Custom.dll", L"F6   C:\\b.txt");
    Form1& resumed = app.Get<Form1>();
    app.CollectUnloaded();
    resumed.Timer2_Timer();
    Tick(resumed, {kF6});
    EXPECT_EQ(port.calls.back(), Launch(resumed, L"C:\\b.txt"));
}

}  // namespace
}  // namespace vantrel::testing
