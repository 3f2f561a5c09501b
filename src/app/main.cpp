// Vantrel.exe: builds the Win32 port, the shell and the application, runs
// the main window's start-up and then the message loop until the last form is
// unloaded (or the start-up ends the process for a second instance).
#include "app/ComApartment.h"
#include "platform/win32/port/Dpi.h"
#include "platform/win32/port/MessagePump.h"
#include "platform/win32/port/Trace.h"
#include "platform/win32/port/Win32Port.h"
#include "platform/win32/shell/Shell.h"
#include "platform/win32/shell/Win32.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

namespace {

int Run(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    vantrel::win32::EnablePerMonitorDpiAwareness();

    vantrel::win32::Win32Port port;
    // The shell outlives the application, whose end detaches every form.
    vantrel::win32::Shell shell(instance);
    vantrel::Application app(port, &shell);
    shell.SetApplication(&app);
    port.SetBeforeModal([&shell] { shell.Sync(); });
    port.SetDispatcher([&shell](const std::function<void()>& handlers) { shell.Dispatch(handlers); });

    // The main window's load handler is the program's start-up.
    shell.Dispatch([&app] { app.Get<vantrel::Form1>(); });

    MSG msg{};
    while (vantrel::win32::PumpMessage(msg)) {
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // COM first: the shell's functions and the common dialogs expect an
    // apartment on this thread.
    vantrel::win32::ComApartment com;
    try {
        return Run(instance);
    } catch (...) {
        vantrel::win32::TraceCaughtException(L"start-up or message loop");
        return 1;
    }
}
