#include "ui/main/frmCountdown.h"

#include "engine/SystemActions.h"

namespace vantrel {
namespace {

constexpr KeyCode kEscape = 0x1B;

}  // namespace

frmCountdown::frmCountdown(Application& application)
    : Form(application, L"frmCountdown", L"即将关机", {0, 0, 5040, 1560}) {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command1.SetCancel(true);
    Timer1.Tick = [this] { Timer1_Timer(); };
    // 取消 first: it has the focus when the window opens.
    Add(Command1);
    Add(Command2);
    Add(Label1);
    Add(Timer1);
}

void frmCountdown::Begin(Application& app, SystemAction action, KeyCode key) {
    frmCountdown& countdown = app.Get<frmCountdown>();
    countdown.action_ = action;
    countdown.key_ = key;
    countdown.keyReleased_ = false;
    countdown.left_ = kSeconds;
    const bool restart = action == SystemAction::Restart;
    countdown.SetCaption(restart ? L"即将重启" : L"即将关机");
    countdown.Command2.SetCaption(restart ? L"立即重启" : L"立即关机");
    countdown.ShowLeft();
    countdown.Show();
    Port& port = app.GetPort();
    port.SetTopmost(countdown.hWnd(), true);
    port.RaiseWindow(countdown.hWnd());
}

void frmCountdown::ShowLeft() {
    const bool restart = action_ == SystemAction::Restart;
    Label1.SetCaption(std::to_wstring(left_) + (restart ? L" 秒后重新启动计算机。" : L" 秒后关闭计算机。") +
                      L"按“取消”、Esc 或再按一次该键可以取消。");
}

KeyCode frmCountdown::WatchKeys() {
    if (IsKeyDown(port, kEscape)) {
        Command1_Click();
        return 0;
    }
    if (!IsKeyDown(port, key_)) {
        keyReleased_ = true;
        return 0;
    }
    if (!keyReleased_) return 0;
    const KeyCode key = key_;
    Command1_Click();
    return key;
}

void frmCountdown::Timer1_Timer() {
    if (--left_ <= 0) return GoAhead();
    ShowLeft();
}

void frmCountdown::Command1_Click() { app.Unload(*this); }

void frmCountdown::Command2_Click() { GoAhead(); }

void frmCountdown::GoAhead() {
    const SystemAction action = action_;
    Timer1.SetEnabled(false);
    app.Unload(*this);
    RunSystemAction(action, port, {});
}

}  // namespace vantrel
