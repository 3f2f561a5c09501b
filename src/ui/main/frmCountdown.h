// frmCountdown: with "关机和重启前倒数 5 秒（可取消）" on, the five seconds
// before the shut-down or restart a function key asked for. A small topmost
// window, "即将关机" or "即将重启", counts down; "取消" (the default) calls it
// off, "立即关机" / "立即重启" goes ahead at once, and so does the count's end.
// The window may not get the keyboard (a game keeps it), so the key monitor
// watches too: Esc, or a second press of the same key, is 取消.
#pragma once

#include "engine/KeyMonitor.h"
#include "ui/forms/Application.h"

namespace vantrel {

class frmCountdown : public Form {
public:
    static constexpr int kSeconds = 5;

    explicit frmCountdown(Application& app);
    // Shows the countdown for ShutDown or Restart, asked for by `key`.
    static void Begin(Application& app, SystemAction action, KeyCode key);
    // The key monitor's tick while the count runs. Returns the key whose
    // second press called the count off (still down: it must not start a new
    // count), or 0.
    KeyCode WatchKeys();

    void Timer1_Timer();
    void Command1_Click();  // 取消
    void Command2_Click();  // 立即关机 / 立即重启

    Label Label1{L"Label1", L"", {240, 240, 4560, 480}};
    CommandButton Command1{L"Command1", L"取消", {1080, 900, 1320, 420}};
    CommandButton Command2{L"Command2", L"立即关机", {2640, 900, 1320, 420}};
    Timer Timer1{L"Timer1", 1000};

private:
    void ShowLeft();
    void GoAhead();

    SystemAction action_ = SystemAction::ShutDown;
    KeyCode key_ = 0;
    bool keyReleased_ = false;  // the press that began the count is over
    int left_ = kSeconds;
};

}  // namespace vantrel
