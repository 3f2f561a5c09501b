// What a form costs before it is shown: its window and its timers only. The
// control windows come with the first show (a hidden control's when it is
// made visible), a pass after an event that changed nothing looks no
// further, and a form hidden under the pointer leaves no mouse tracking.
#include "ShellFixture.h"

namespace vantrel::test {
namespace {

const Picture kFace{L"SINGLE"};

class TrayLikeForm : public Form {
public:
    explicit TrayLikeForm(Application& a) : Form(a, L"TrayLikeForm", L"托盘", {0, 0, 3000, 1500}) {
        holder.SetVisible(false);
        // Clickable, so it needs a window of its own when it shows.
        holder.Click = [] {};
        for (Control* c : std::initializer_list<Control*>{&poll, &caption, &chooser, &holder, &hide})
            Add(*c);
        poll.Tick = [this] { ++ticks; };
    }
    Timer poll{L"poll", 20};
    Label caption{L"caption", L"说明", {150, 150, 1500, 300}};
    ComboBox chooser{L"chooser", {150, 600, 1500, 300}};
    Image holder{L"holder", {1800, 150, 450, 450}, &kFace};
    CommandButton hide{L"hide", L"隐藏", {150, 1000, 1200, 375}};
    int ticks = 0;
};

class ShellLazy : public ShellTest {};

int ChildWindowCount(HWND form) {
    int count = 0;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

TEST_F(ShellLazy, HiddenFormHasItsWindowAndTimersButNoControlWindowsUntilFirstShown) {
    auto& form = app.Get<TrayLikeForm>();
    shell.Sync();
    Settle(200);
    const HWND hwnd = Hwnd(form);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(ChildWindowCount(hwnd), 0);
    EXPECT_GT(form.ticks, 0);
    // State changed while hidden goes in when the windows are made.
    form.caption.SetCaption(L"已改");
    shell.Sync();

    form.Show();
    shell.Sync();
    Settle();
    ASSERT_NE(Window(form, form.caption), nullptr);
    EXPECT_EQ(win32::WindowText(Window(form, form.caption)), L"已改");
    EXPECT_NE(Window(form, form.chooser), nullptr);
    EXPECT_EQ(Window(form, form.holder), nullptr);

    form.holder.SetVisible(true);
    shell.Sync();
    const HWND holder = Window(form, form.holder);
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(IsWindowVisible(holder));

    // Hidden again, the windows stay for the next show.
    form.Hide();
    shell.Sync();
    EXPECT_EQ(Window(form, form.holder), holder);
}

TEST_F(ShellLazy, PassAfterAnEventThatChangedNothingWalksNoWindow) {
    auto& form = Show<TrayLikeForm>();
    form.poll.SetEnabled(false);
    shell.Sync();
    const std::uint64_t walked = shell.WalkedPasses();
    shell.Dispatch([] {});
    form.caption.SetCaption(L"说明");  // the same text: no change
    shell.Sync();
    EXPECT_EQ(shell.WalkedPasses(), walked);

    form.caption.SetCaption(L"新的");
    shell.Sync();
    EXPECT_EQ(shell.WalkedPasses(), walked + 1);
    EXPECT_EQ(win32::WindowText(Window(form, form.caption)), L"新的");
}

TEST_F(ShellLazy, HiddenFormEndsTheMouseTrackingOfTheControlUnderThePointer) {
    auto& form = Show<TrayLikeForm>();
    const HWND button = Window(form, form.hide);
    ASSERT_NE(button, nullptr);
    RECT r{};
    GetWindowRect(button, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Settle();
    // As a hot-tracked button does under the pointer.
    TRACKMOUSEEVENT tracking{sizeof tracking, TME_LEAVE, button, 0};
    ASSERT_TRUE(TrackMouseEvent(&tracking));
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    ASSERT_EQ(query.hwndTrack, button) << "the pointer is not over the button";

    form.Hide();
    shell.Sync();
    query = {sizeof query, TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_FALSE(query.hwndTrack == button && (query.dwFlags & TME_LEAVE));
}

}  // namespace
}  // namespace vantrel::test
