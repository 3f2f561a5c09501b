#include "platform/win32/shell/BrowserHost.h"

#include <ole2.h>
#include <exdisp.h>


namespace vantrel::win32 {

// The container side the browser talks to: client site, in-place site and
// frame, all answered by one object that lives as long as its host. The
// host holds it; the browser's references only count.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND container) : container_(container) {}
    BrowserSite(const BrowserSite&) = delete;
    BrowserSite& operator=(const BrowserSite&) = delete;
    ~BrowserSite() = default;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *out = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
            *out = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return references_ > 0 ? --references_ : 0; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (both the site and the frame are this container)
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = container_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (document) *document = nullptr;
        if (position) GetClientRect(container_, position);
        if (clip) GetClientRect(container_, clip);
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = GetAncestor(container_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no menus or tool bars to share.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND container_;
    ULONG references_ = 0;
};

BrowserHost::BrowserHost() = default;

BrowserHost::~BrowserHost() { Close(); }

bool BrowserHost::Create(HWND container) {
    Close();
    container_ = container;
    site_ = std::make_unique<BrowserSite>(container);
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
    site_.reset();
    container_ = nullptr;
}

}  // namespace vantrel::win32
