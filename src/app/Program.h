// The running program as Vantrel.exe builds it: the process-wide settings
// (per-monitor DPI), the Win32 port, the shell and the
// application wired together. Start() runs the main window's load handler,
// the program's start-up; the caller then runs the message loop.
#pragma once

// First: the Windows headers without the macros that rename the Port's members.
#include "win32/shell/Win32.h"

#include "win32/port/Win32Port.h"
#include "win32/shell/Shell.h"
#include "ui/forms/Application.h"

namespace vantrel::win32 {

class Program {
public:
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void Start();

    Win32Port& Port() { return port_; }
    Shell& GetShell() { return shell_; }
    Application& App() { return app_; }

private:
    // Set before any window is made.
    struct ProcessSettings {
        ProcessSettings();
    };

    ProcessSettings settings_;
    Win32Port port_;
    // The shell outlives the application, whose end detaches every form.
    Shell shell_;
    Application app_;
};

}  // namespace vantrel::win32
