// A web browser: a container window holding the system's browser control
// (BrowserHost), which runs the control's queued requests in order. Tab goes
// on into the browser's own windows.
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

class BrowserWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        const DWORD style = (ChildStyle(*child.control) & ~WS_TABSTOP) | WS_CLIPCHILDREN;
        HWND hwnd = CreateChildWindow(site, child, *this, place, WC_STATICW, style, WS_EX_CONTROLPARENT);
        if (!hwnd) return nullptr;
        // Without a browser on the system the container stays empty.
        child.browser = std::make_unique<BrowserHost>();
        child.browser->Create(hwnd);
        return hwnd;
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        for (const WebBrowser::Request& request : static_cast<WebBrowser&>(*child.control).TakePending())
            if (child.browser) child.browser->Run(request);
        PushShown(site, child);
    }

    void Fit(ControlSite&, ChildWindow& child) const override {
        if (child.browser) child.browser->Fit();
    }

    // The browser lets go of its windows before they are destroyed.
    void Close(ControlSite&, ChildWindow& child) const override {
        if (child.browser) child.browser->Close();
    }
};

}  // namespace

const ControlAdapter& BrowserAdapter() {
    static const BrowserWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
