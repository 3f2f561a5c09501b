// Voice keys: the readers of set1.dll and ver.dll, the settings window's
// panels and buttons, and the player's key order and timing.
#include "engine/VoiceFiles.h"
#include "engine/VoiceKeys.h"
#include "fake/Fixture.h"
#include "ui/settings/Form2.h"
#include "ui/voice/Form4.h"

namespace vantrel::testing {
namespace {

TEST(VoiceFiles, SwitchStateIsTheLastSmallWholeNumberOfTheFirstLine) {
    EXPECT_EQ(ReadSwitchState(L"1\r\n"), 1);
    EXPECT_EQ(ReadSwitchState(L"0 1"), 1);
    EXPECT_EQ(ReadSwitchState(L"1 0 x"), 0);
    EXPECT_EQ(ReadSwitchState(L"2"), 2);
    EXPECT_EQ(ReadSwitchState(L"1a"), std::nullopt);
    EXPECT_EQ(ReadSwitchState(L"1  x"), 1);     // two blanks: an empty field, skipped
    EXPECT_EQ(ReadSwitchState(L"1 7"), 1);      // out of range: skipped
    EXPECT_EQ(ReadSwitchState(L"1 3"), 1);      // just past the range: skipped too
    EXPECT_EQ(ReadSwitchState(L"0 -1"), 0);     // and below it
    EXPECT_EQ(ReadSwitchState(L"1 a1"), 1);     // ends in a digit, no number: skipped
    EXPECT_EQ(ReadSwitchState(L"1 99999999999999999999"), 1);
    EXPECT_EQ(ReadSwitchState(L"0\r1"), 0);     // CR ends the line
    EXPECT_EQ(ReadSwitchState(L"1\n 0"), 0);    // a lone LF does not
    EXPECT_EQ(ReadSwitchState(L""), std::nullopt);
    EXPECT_EQ(ReadSwitchState(L"\r\n1"), std::nullopt);
}

TEST(VoiceFiles, VersionLabelsShowDigitEndingFieldsAndUnknownForTheRest) {
    using Labels = std::array<std::optional<std::wstring>, 2>;
    EXPECT_EQ(ReadVersionLabels(L"1.0,beta\r\n"), (Labels{L"1.0", L"未知"}));
    EXPECT_EQ(ReadVersionLabels(L"2003"), (Labels{L"2003", std::nullopt}));
    EXPECT_EQ(ReadVersionLabels(L" v 2,2004 "), (Labels{L" v 2", L"未知"}));
    EXPECT_EQ(ReadVersionLabels(L"1,2,3"), (Labels{L"1", L"2"}));
    EXPECT_EQ(ReadVersionLabels(L","), (Labels{L"未知", L"未知"}));
    EXPECT_EQ(ReadVersionLabels(L""), (Labels{}));
    EXPECT_EQ(ReadVersionLabels(L"x\n1,2\r,3"), (Labels{L"x\n1", L"2"}));
}

TEST(VoiceKeys, LettersThenOneToNineThenZero) {
    const auto& order = VoiceKeyOrder();
    EXPECT_EQ(order[0].code, 0x41);
    EXPECT_EQ(order[0].sound, L"tools\\yy\\a.wav");
    EXPECT_EQ(order[25].code, 0x5A);
    EXPECT_EQ(order[25].sound, L"tools\\yy\\z.wav");
    EXPECT_EQ(order[26].code, 0x31);
    EXPECT_EQ(order[26].sound, L"tools\\yy\\1.wav");
    EXPECT_EQ(order[35].code, 0x30);
    EXPECT_EQ(order[35].sound, L"tools\\yy\\0.wav");
}

class VoiceWindowTest : public AppTest {
protected:
    void SetUp() override { port.PutText(L"\\Function.dll", L"无\r\n"); }
    void AddOn(const std::wstring& set1 = L"", const std::wstring& ver = L"1.2,2024\r\n") {
        port.PutText(L"\\tools\\yy\\on.dll", L"");
        if (!set1.empty()) port.PutText(L"\\tools\\yy\\set1.dll", set1);
        if (!ver.empty()) port.PutText(L"\\tools\\yy\\ver.dll", ver);
    }
    Form4& Open() {
        Start();
        Form4& form = app.Get<Form4>();
        form.Show();
        return form;
    }
};

TEST_F(VoiceWindowTest, WithTheAddOnTheSettingsShowAndThePlayerRuns) {
    AddOn(L"1\r\n");
    Form4& form = Open();
    EXPECT_TRUE(form.ys1.Visible());
    EXPECT_TRUE(form.Command2.Visible());
    EXPECT_FALSE(form.sb1.Visible());
    EXPECT_FALSE(form.Command6.Visible());
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_TRUE(form.setlist1.Visible());
    EXPECT_EQ(form.verdll[0].Caption(), L"1.2");
    EXPECT_EQ(form.verdll[1].Caption(), L"2024");
    EXPECT_TRUE(form.Timer1.Enabled());
    form.Check1.SetValue(0);
    EXPECT_FALSE(form.setlist1.Visible());
    form.Check1.SetValue(1);
    form.Check1.SetValue(2);  // grayed changes nothing
    EXPECT_TRUE(form.setlist1.Visible());
}

TEST_F(VoiceWindowTest, WithoutTheAddOnTheFailurePanelShowsAndNothingPlays) {
    port.PutText(L"\\tools\\yy\\set1.dll", L"1\r\n");
    Start();
    ASSERT_TRUE(app.IsLoaded<Form4>());  // loaded hidden at start
    Form4& form = *app.Find<Form4>();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.sb1.Visible());
    EXPECT_EQ(form.sb1.Caption(), L"语音启动失败");
    EXPECT_TRUE(form.Label1.Visible());
    EXPECT_EQ(form.Label1.Caption(), L"系统检测到您没有安装语音热键插件");
    EXPECT_EQ(form.Label3.Caption(), L"请到Vantrel中文网站下载插件");
    EXPECT_TRUE(form.Command6.Visible());
    EXPECT_FALSE(form.ys1.Visible());
    EXPECT_FALSE(form.Command2.Visible());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.Check1.Value(), 0);  // set1.dll is not read without the add-on
}

TEST_F(VoiceWindowTest, OkCheckedWritesTheSwitchHidesAndKeepsPlaying) {
    AddOn();
    Form4& form = Open();
    Form1& main = *app.Find<Form1>();
    main.SetEnabled(false);
    main.Check1.SetValue(0);
    app.Get<Form2>();
    form.Check1.SetValue(1);
    form.Command2.Click();
    EXPECT_EQ(port.Bytes(L"\\tools\\yy\\set1.dll"), "1\r\n");
    EXPECT_TRUE(app.IsLoaded<Form4>());
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_FALSE(app.IsLoaded<Form2>());
    EXPECT_TRUE(main.Enabled());
    EXPECT_EQ(main.Check1.Value(), 1);
}

TEST_F(VoiceWindowTest, OkUncheckedDeletesTheSwitchAndStopsThePlayer) {
    AddOn();
    Form4& form = Open();
    form.Command2.Click();
    EXPECT_TRUE(port.CallsTo(L"RemoveFile").empty());  // nothing to delete
    EXPECT_FALSE(app.IsLoaded<Form4>());

    port.PutText(L"\\tools\\yy\\set1.dll", L"1\r\n");
    Form4& again = app.Get<Form4>();
    again.Check1.SetValue(0);
    again.Command2.Click();
    EXPECT_FALSE(port.Has(L"\\tools\\yy\\set1.dll"));
    EXPECT_FALSE(app.IsLoaded<Form4>());
    EXPECT_EQ(app.Find<Form1>()->Check1.Value(), 1);
}

TEST_F(VoiceWindowTest, OkGrayedDoesNothingAndAClickOnTheGrayedBoxChecksIt) {
    AddOn(L"2\r\n");
    Form4& form = Open();
    port.calls.clear();
    form.Command2.Click();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(port.calls.empty());

    ASSERT_EQ(form.Check1.Value(), 2);
    EXPECT_FALSE(form.setlist1.Visible());
    form.Check1.UserClick();
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_TRUE(form.setlist1.Visible());
    form.Check1.UserClick();
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_FALSE(form.setlist1.Visible());
}

TEST_F(VoiceWindowTest, ASwitchThatCannotBeWrittenIsReportedAndTheWindowStays) {
    AddOn();
    Form4& form = Open();
    port.unwritable.insert(port.Path(L"\\tools\\yy\\set1.dll"));
    form.Check1.SetValue(1);
    form.Command2.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find(L"set1.dll"), std::wstring::npos);
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconExclamation));
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Check1.Value(), 1);

    port.PutText(L"\\tools\\yy\\set1.dll", L"1\r\n");
    form.Check1.SetValue(0);
    form.Command2.Click();
    EXPECT_EQ(port.messages.size(), 2u);
    EXPECT_TRUE(port.Has(L"\\tools\\yy\\set1.dll"));
    EXPECT_TRUE(app.IsLoaded<Form4>());
}

TEST_F(VoiceWindowTest, CloseAndTheTitleBarCloseLeaveTheSwitchAlone) {
    Form4& form = Open();  // no add-on: "关闭"
    app.Find<Form1>()->Check1.SetValue(0);
    app.Find<Form1>()->SetEnabled(false);
    form.Command6.Click();
    EXPECT_FALSE(app.IsLoaded<Form4>());
    EXPECT_EQ(app.Find<Form1>()->Check1.Value(), 1);
    EXPECT_TRUE(app.Find<Form1>()->Enabled());

    AddOn(L"1\r\n");
    app.Get<Form4>();
    app.Get<Form2>();
    EXPECT_TRUE(app.Unload(*app.Find<Form4>(), UnloadMode::FromControlMenu));
    EXPECT_FALSE(app.IsLoaded<Form2>());
    EXPECT_TRUE(port.Has(L"\\tools\\yy\\set1.dll"));
}

// The player on a simulated clock: each enabled timer fires one interval
// after it was last enabled or fired.
class PlayerTest : public VoiceWindowTest {
protected:
    Form4* form = nullptr;
    long now = 0;
    std::vector<std::pair<long, std::wstring>> sounds;  // when, what

    void SetUp() override {
        VoiceWindowTest::SetUp();
        AddOn(L"1\r\n");
        Start();
        form = app.Find<Form4>();
        port.during = [this](const std::wstring& call) {
            if (call.rfind(L"PlaySound", 0) == 0) sounds.emplace_back(now, call);
        };
    }
    // Runs the clock to `until` with `keys` held.
    void Run(long until, std::set<int> keys) {
        port.HoldKeys(std::move(keys));
        for (; now < until; ++now) {
            Timer* timers[] = {&form->Timer1, &form->Timer2};
            long* due[] = {&due1, &due2};
            bool* was[] = {&was1, &was2};
            for (int i = 0; i < 2; ++i)
                if (timers[i]->Enabled() && *was[i] && now == *due[i]) {
                    timers[i]->Tick();
                    *due[i] = now + timers[i]->Interval();
                }
            // A timer enabled (again) starts counting from now.
            for (int i = 0; i < 2; ++i) {
                if (timers[i]->Enabled() && !*was[i]) *due[i] = now + timers[i]->Interval();
                *was[i] = timers[i]->Enabled();
            }
        }
    }
    long due1 = 0, due2 = 0;
    bool was1 = false, was2 = false;
};

TEST_F(PlayerTest, FirstKeyInOrderWinsAndPlaysAsynchronously) {
    Run(60, {0x35, 0x41, 0x30});  // 5, A and 0 together
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].second, L"PlaySound(C:\\Vantrel\\tools\\yy\\a.wav,131073)");
    Run(400, {0x39, 0x30});
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[1].second, L"PlaySound(C:\\Vantrel\\tools\\yy\\9.wav,131073)");
    Run(800, {0x30});
    EXPECT_EQ(sounds.back().second, L"PlaySound(C:\\Vantrel\\tools\\yy\\0.wav,131073)");
    const auto before = sounds.size();
    Run(1500, {0x60, 0x69, 0x10});  // keypad 0 and 9, Shift: nothing
    EXPECT_EQ(sounds.size(), before);
}

TEST_F(PlayerTest, AHeldKeySpeaksEvery255MsAndAShortPressInThePauseIsMissed) {
    Run(1100, {0x41});
    ASSERT_GE(sounds.size(), 4u);
    EXPECT_EQ(sounds[0].first, 55);
    for (std::size_t i = 1; i < sounds.size(); ++i)
        EXPECT_EQ(sounds[i].first - sounds[i - 1].first, 255) << i;
    Run(1400, {});
    const auto before = sounds.size();
    Run(1405, {0x42});  // B pressed just after a poll found nothing...
    Run(1440, {});      // ...and released before the next one
    EXPECT_EQ(sounds.size(), before);
    // Pressed and released while the player pauses after a sound.
    Run(1600, {0x43});
    const long spoken = sounds.back().first;
    Run(spoken + 20, {});
    Run(spoken + 60, {0x44});
    Run(spoken + 190, {});
    Run(spoken + 600, {});
    EXPECT_EQ(sounds.back().second, L"PlaySound(C:\\Vantrel\\tools\\yy\\c.wav,131073)");
}

TEST_F(PlayerTest, RunsWhileTheMonitorIsPaused) {
    app.Unload<Form1>();  // the hotkey monitor paused from the tray
    Run(60, {0x5A});
    EXPECT_EQ(sounds.size(), 1u);
}

}  // namespace
}  // namespace vantrel::testing
