// A dialog's push button, named by its caption; "&" marks its access key.
#include "win32/shell/controls/ActionKeys.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

const CommandButton& Of(const Control& control) { return static_cast<const CommandButton&>(control); }

class CommandButtonWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        return CreateChildWindow(site, child, *this, place, WC_BUTTONW, ChildStyle(*child.control) | BS_PUSHBUTTON);
    }

    void Push(ControlSite& site, ChildWindow& child) const override { PushNamed(site, child, *this); }

    bool Route(ControlSite& site, ChildWindow& child, HWND, UINT message, WPARAM& wParam,
               LPARAM lParam, LRESULT& result) const override {
        return RouteActionKeys(site, child, message, wParam, lParam, result);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        if (code == BN_CLICKED) RaiseClick(site, *child.control);
    }

    std::wstring Name(const Control& control) const override { return CaptionOrName(Of(control).Caption(), control); }

    const std::wstring* AccessKeyCaption(const Control& control) const override { return &Of(control).Caption(); }
};

}  // namespace

const ControlAdapter& CommandButtonAdapter() {
    static const CommandButtonWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
