// Drives the running program the way its user does, through the handlers
// the tray menu's items and the main window's buttons call, each run by the
// shell as a native event would run it, with this thread's messages pumped
// after every step. Every step checks that it did what it should.
#pragma once

#include <string>

#include "Figures.h"
#include "app/Program.h"

namespace vantrel::endurance {

class Driver {
public:
    explicit Driver(win32::Program& program) : program_(program) {}

    // Function.dll and Custom.dll beside the exe: a configured program (no
    // first-start greeting), one list entry so every save writes both files.
    bool WriteStartFiles(std::wstring& why);
    // The program's start-up; waits for the tray icon and closes the splash.
    bool Start(std::wstring& why);

    // Tray menu: "暂停监视", then "继续监视".
    bool PauseAndResume(std::wstring& why);
    // Tray menu: "打开配置窗口".
    bool OpenMainWindow(std::wstring& why);
    // Picks the other key for the first system action, presses "保存设置"
    // and reads Function.dll back.
    bool SaveOnce(int number, std::wstring& why);
    // Main window: "继续监视".
    bool BackToMonitoring(std::wstring& why);

    // Pumps for a moment (Wine's desktop answers asynchronously), then measures.
    Figures Settled();
    // Static controls destroyed with the main window by the pauses so far.
    long StaticsDestroyed() const { return staticsDestroyed_; }

private:
    // Handles every waiting message as the program's loop does; false when
    // the loop was told to end.
    bool Pump();
    bool Settle(unsigned ms);

    win32::Program& program_;
    bool quit_ = false;
    long staticsDestroyed_ = 0;
};

}  // namespace vantrel::endurance
