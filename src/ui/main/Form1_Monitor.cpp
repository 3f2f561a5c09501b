// Form1's key monitor: Timer1 polls the keys every 50 ms; after any action
// Timer2 holds polling off for half a second, so a key held down does not
// fire again and again. A polled key is no input to the program, so an
// action that brings a window to the front earns the foreground first.
#include <algorithm>

#include "engine/FullScreen.h"
#include "engine/KeyMonitor.h"
#include "engine/SystemActions.h"
#include "ui/forms/Steps.h"
#include "ui/main/Form1.h"

namespace vantrel {

void Form1::Timer1_Timer() {
    // With "按住热键不重复启动" a key that acted counts as up until released.
    const bool oncePerPress = options_.On(Option::OneLaunchPerPress);
    if (!oncePerPress) heldKeys_.clear();
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
        for (auto i : decision.entries)
            RunStep(port, L"key monitor: launch", [&] {
                port.ShellExecute(hWnd(), L"Open", EntryTarget(table_.EntryTexts[i]), L"", folder,
                                  kSwShowNormal);
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
