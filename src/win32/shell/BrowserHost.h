// The system's web browser control (the WebBrowser ActiveX object) hosted in
// place inside a container window of a form: created once, kept the size of
// its container, and handed the form's WebBrowser commands in order.
#pragma once

#include "win32/shell/Win32.h"

#include "win32/port/Handles.h"
#include "ui/forms/Controls.h"

struct IWebBrowser2;
struct IOleObject;

namespace vantrel::win32 {

class BrowserSite;

class BrowserHost {
public:
    BrowserHost();
    ~BrowserHost();
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    // Creates the browser in place inside `container`; false when the system
    // has no browser control to offer (the container then stays empty).
    bool Create(HWND container);
    // Fits the browser to its container's client area.
    void Fit();
    // Hands one queued command to the browser. False when there is no
    // browser or it refused the command.
    bool Run(const WebBrowser::Request& request);
    // Deactivates and releases the browser; the container can then go.
    void Close();

private:
    HWND container_ = nullptr;
    ComPtr<BrowserSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
};

}  // namespace vantrel::win32
