#include "win32/shell/BrowserHost.h"

#include <ole2.h>
#include <exdisp.h>

#include "win32/shell/BrowserSite.h"

namespace vantrel::win32 {

BrowserHost::BrowserHost() = default;

BrowserHost::~BrowserHost() { Close(); }

bool BrowserHost::Create(HWND container) {
    Close();
    container_ = container;
    site_.reset(BrowserSite::Create(container));
    IOleObject* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object))) ||
        !object) {
        site_.reset();
        return false;
    }
    object_.reset(object);
    object_.get()->SetClientSite(site_.get());
    RECT area{};
    GetClientRect(container_, &area);
    object_.get()->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, container_, &area);
    IWebBrowser2* browser = nullptr;
    if (SUCCEEDED(object_.get()->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser))))
        browser_.reset(browser);
    if (!browser_) {
        Close();
        return false;
    }
    // No script error boxes or other dialogs of the browser's own.
    browser_.get()->put_Silent(VARIANT_TRUE);
    Fit();
    return true;
}

void BrowserHost::Fit() {
    if (!object_) return;
    IOleInPlaceObject* inPlace = nullptr;
    if (FAILED(object_.get()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
        return;
    ComPtr<IOleInPlaceObject> owned(inPlace);
    RECT area{};
    GetClientRect(container_, &area);
    owned.get()->SetObjectRects(&area, &area);
}

bool BrowserHost::Run(const WebBrowser::Request& request) {
    if (!browser_) return false;
    IWebBrowser2* browser = browser_.get();
    switch (request.command) {
    case WebBrowser::Command::Navigate: {
        BSTR url = SysAllocStringLen(request.url.data(), static_cast<UINT>(request.url.size()));
        if (!url) return false;
        VARIANT none;
        VariantInit(&none);
        const HRESULT result = browser->Navigate(url, &none, &none, &none, &none);
        SysFreeString(url);
        return SUCCEEDED(result);
    }
    case WebBrowser::Command::GoBack: return SUCCEEDED(browser->GoBack());
    case WebBrowser::Command::GoForward: return SUCCEEDED(browser->GoForward());
    case WebBrowser::Command::Stop: return SUCCEEDED(browser->Stop());
    case WebBrowser::Command::Refresh: return SUCCEEDED(browser->Refresh());
    }
    return false;
}

void BrowserHost::Close() {
    browser_.reset();
    if (object_) {
        object_.get()->Close(OLECLOSE_NOSAVE);
        object_.get()->SetClientSite(nullptr);
        object_.reset();
    }
    // The browser may still hold the site (and call it) after this: cut it
    // off from the container, and let the last reference free it.
    if (site_) site_.get()->Detach();
    site_.reset();
    container_ = nullptr;
}

}  // namespace vantrel::win32
