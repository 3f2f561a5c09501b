#include "engine/SystemActions.h"

#include "engine/KeyTable.h"

namespace vantrel {

void RunSystemAction(SystemAction action, Port& port, const ActionContext& context) {
    switch (action) {
    case SystemAction::ShutDown:
        port.ExitWindows(kEwxShutdown);
        break;
    case SystemAction::Restart:
        port.ExitWindows(kEwxReboot);
        break;
    case SystemAction::ScreenSaver:
        port.StartScreenSaver(context.window);
        break;
    case SystemAction::OpenCdDoor:
        port.MciCommand(L"set CDAudio door open");
        break;
    case SystemAction::CloseCdDoor:
        port.MciCommand(L"set CDAudio door closed");
        break;
    case SystemAction::StartPage:
        // With no start page there is nothing to open; handing the shell an
        // empty name would only earn the user an error dialog.
        if (TrimBlanks(context.startPage).empty()) break;
        // The browser should come to the front: a polled key earns that first.
        port.EarnForeground();
        port.ShellExecute(context.window, L"Open", context.startPage, L"", context.programFolder,
                          kSwShowNormal);
        break;
    }
}

}  // namespace vantrel
