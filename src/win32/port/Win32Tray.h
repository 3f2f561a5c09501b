// The program's notification-area icon as an object: added when asked,
// added again when the taskbar is re-created ("TaskbarCreated") or was not
// there yet, removed when asked or when the object goes. Its picture is made
// at the small-icon size of the current DPI, owned by the object, and made
// again on "TaskbarCreated" and on a DPI change.
#pragma once

#include <functional>
#include <string>

#include "win32/port/EndMessages.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

class TrayIcon {
public:
    // How often and how long a failed add is tried again (start at log-on
    // may come before the taskbar).
    static constexpr UINT kRetryMs = 2000;
    static constexpr int kRetries = 90;

    using EventHandler = std::function<void(unsigned mouseMessage)>;
    // What talks to the taskbar: Shell_NotifyIconW, or a stand-in in tests.
    using Notifier = std::function<BOOL(DWORD command, NOTIFYICONDATAW* data)>;
    // What lets a message through the window's filter: an elevated program's
    // windows get no message from a program of lower integrity, Explorer's
    // "TaskbarCreated" broadcast included, unless allowed.
    using MessageFilter = std::function<void(HWND window, UINT message)>;
    static void AllowThroughFilter(HWND window, UINT message);
    // `run` runs the handler the way the shell runs every event's handlers.
    TrayIcon(std::wstring tip, EventHandler onEvent,
             std::function<void(const std::function<void()>&)> run,
             Notifier notify = &::Shell_NotifyIconW, const MessageFilter& allow = &AllowThroughFilter);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Whether the icon shows now; while it does not, retries are running.
    bool Shown() const { return shown_; }
    HWND Window() const { return window_.get(); }
    // What a close request from outside or the session's end does (the tray
    // window is one of the program's top-level windows).
    void SetEndRequest(EndRequest end) { end_ = std::move(end); }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Add();
    void Remove();
    // Makes the picture at `dpi`'s small-icon size; false when it cannot.
    bool LoadPicture(int dpi);

    std::wstring tip_;
    EventHandler onEvent_;
    std::function<void(const std::function<void()>&)> run_;
    Notifier notify_;
    EndRequest end_;
    UniqueWindow window_;
    UniqueIcon icon_;
    int iconDpi_ = 0;  // the DPI icon_ was made for
    UINT taskbarCreated_ = 0;
    int retriesLeft_ = 0;
    bool shown_ = false;
};

}  // namespace vantrel::win32
