// A text box: a single-line EDIT whose typed text the control takes.
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/WindowText.h"

namespace vantrel::win32 {
namespace {

class TextBoxWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        return CreateChildWindow(site, child, *this, place, WC_EDITW, ChildStyle(*child.control) | ES_AUTOHSCROLL,
                                 WS_EX_CLIENTEDGE);
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        SetTextIfChanged(child.hwnd, static_cast<TextBox&>(*child.control).Text());
        PushShown(site, child);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        if (code != EN_CHANGE) return;
        const std::wstring text = WindowText(child.hwnd);
        auto& box = static_cast<TextBox&>(*child.control);
        site.Dispatch([&box, text] { box.SetText(text); });
    }
};

}  // namespace

const ControlAdapter& TextBoxAdapter() {
    static const TextBoxWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
