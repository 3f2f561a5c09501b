// Form1's key monitor: Timer1 polls the keys every 50 ms; after any action
// Timer2 holds polling off for half a second, so a key held down does not
// fire again and again. A polled key is no input to the program, so an
// action that brings a window to the front earns the foreground first.
#include <algorithm>
#include <cwctype>

#include "engine/FullScreen.h"
#include "engine/KeyMonitor.h"
#include "engine/SystemActions.h"
#include "ui/forms/Steps.h"
#include "ui/main/Form1.h"
#include "ui/main/frmCountdown.h"

namespace vantrel {
namespace {

// An executable: a target ending in ".exe", case ignored. Documents,
// playlists and anything else always open again.
bool IsProgramPath(const std::wstring& target) {
    if (target.size() < 4) return false;
    std::wstring tail = target.substr(target.size() - 4);
    for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
    return tail == L".exe";
}

}  // namespace

void Form1::Timer1_Timer() {
    // A shut-down counting down: the keys only call it off, and the press
    // that did so counts as up until released.
    if (frmCountdown* countdown = app.Find<frmCountdown>()) {
        if (const KeyCode key = countdown->WatchKeys()) heldKeys_.push_back(key);
        return;
    }
    // With "按住热键不重复启动" a key that acted counts as up until released.
    const bool oncePerPress = options_.On(Option::OneLaunchPerPress);
    heldKeys_.erase(std::remove_if(heldKeys_.begin(), heldKeys_.end(),
                                   [this](KeyCode code) { return !IsKeyDown(port, code); }),
                    heldKeys_.end());
    const TickDecision decision = PollKeys(port, table_, heldKeys_);
    if (decision.kind == TickDecision::Kind::Nothing) return;
    // With "全屏程序在前台时暂停热键" a game or a video in front keeps its
    // keys; asked only now that a bound key is down.
    if (options_.On(Option::FullScreenPause) && IsFullScreen(port.ForegroundWindowFacts())) return;
    if (oncePerPress)
        for (KeyCode code : KeysActing(decision, table_)) heldKeys_.push_back(code);
    // Pause first: a shell launch may pump messages, and a tick delivered
    // meanwhile must find polling already off rather than fire again.
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(true);
    switch (decision.kind) {
    case TickDecision::Kind::Nothing:
        break;
    case TickDecision::Kind::System:
        if (options_.On(Option::ShutdownCountdown) &&
            (decision.action == SystemAction::ShutDown || decision.action == SystemAction::Restart)) {
            port.EarnForeground();
            frmCountdown::Begin(app, decision.action, KeysActing(decision, table_).front());
            break;
        }
        RunSystemAction(decision.action, port, {hWnd(), Text4.Text(), port.ProgramFolder()});
        break;
    case TickDecision::Kind::ShowWindow:
        port.EarnForeground();
        BringUp();
        break;
    case TickDecision::Kind::Launch: {
        // Once for all the targets of this press: each launch passes the
        // right on to what it opens.
        port.EarnForeground();
        const auto folder = port.ProgramFolder();
        // One launch that fails does not keep the others from starting.
        const bool switchToRunning = options_.On(Option::SwitchToRunning);
        for (auto i : decision.entries)
            RunStep(port, L"key monitor: launch", [&] {
                const std::wstring target = EntryTarget(table_.EntryTexts[i]);
                // With "程序已在运行时切换到它的窗口", a program already open
                // is brought back rather than started twice.
                if (switchToRunning && IsProgramPath(target))
                    if (const WindowHandle open = port.FindProgramWindow(target)) return port.SwitchToWindow(open);
                port.ShellExecute(hWnd(), L"Open", target, L"", folder, kSwShowNormal);
            });
        break;
    }
    }
}

void Form1::Timer2_Timer() {
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(false);
}

}  // namespace vantrel
