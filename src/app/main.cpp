// Vantrel.exe: builds the program (app/Program.h), runs the main window's
// start-up and then the message loop until the last form is unloaded (or the
// start-up ends the process for a second instance).
#include "app/ComApartment.h"
#include "app/Program.h"
#include "win32/port/MessagePump.h"
#include "win32/port/Trace.h"

namespace {

int Run(HINSTANCE instance) {
    vantrel::win32::Program program(instance);
    program.Start();

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
