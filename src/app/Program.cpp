#include "app/Program.h"

#include "win32/port/Dpi.h"
#include "ui/main/Form1.h"
#include "ui/tray/icon1.h"

namespace vantrel::win32 {

Program::ProcessSettings::ProcessSettings() {
    // The common controls are loaded with the first control window
    // (EnsureCommonControls), not here.
    EnablePerMonitorDpiAwareness();
}

Program::Program(HINSTANCE instance) : shell_(instance), app_(port_, &shell_) {
    shell_.SetApplication(&app_);
    port_.SetBeforeModal([this] { shell_.Sync(); });
    port_.SetDispatcher([this](const std::function<void()>& handlers) { shell_.Dispatch(handlers); });
    // A close request from outside (taskkill, an installer) or the end of the
    // Windows session, through whichever window of the program it reaches.
    const auto endInOrder = [this](EndCause cause) {
        if (cause == EndCause::CloseRequest) return shell_.Dispatch([this] { icon1::EndProgram(app_); });
        // The session ends: the icon goes now, and the process once every
        // window has answered (the quit message comes after the sent ones).
        // Dying inside the answer would leave the system waiting on the
        // windows not yet answered.
        shell_.Dispatch([this] { app_.Unload<icon1>(); });
        ::PostQuitMessage(0);
    };
    shell_.SetEndRequest(endInOrder);
    port_.SetEndRequest(endInOrder);
}

void Program::Start() {
    // The main window's load handler is the program's start-up.
    shell_.Dispatch([this] { app_.Get<Form1>(); });
}

}  // namespace vantrel::win32
