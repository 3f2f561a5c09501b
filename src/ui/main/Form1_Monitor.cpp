// Form1's key monitor: Timer1 polls the keys every 50 ms; after any action
// Timer2 holds polling off for half a second, so a key held down does not
// fire again and again. A polled key is no input to the program, so an
// action that brings a window to the front earns the foreground first.
#include "engine/KeyMonitor.h"
#include "engine/SystemActions.h"
#include "ui/forms/Steps.h"
#include "ui/main/Form1.h"

namespace vantrel {

void Form1::Timer1_Timer() {
    const TickDecision decision = PollKeys(port, table_);
    if (decision.kind == TickDecision::Kind::Nothing) return;
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
