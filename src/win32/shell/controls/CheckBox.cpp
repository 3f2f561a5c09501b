// A check box: a three-state BUTTON (a grayed box shows as one) named by its
// caption; a click sets the value through the control, which raises Click.
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

CheckBox& Of(Control& control) { return static_cast<CheckBox&>(control); }

class CheckBoxWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        return CreateChildWindow(site, child, *this, place, WC_BUTTONW, ChildStyle(*child.control) | BS_3STATE);
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        CheckBox& check = Of(*child.control);
        SetTextIfChanged(child.hwnd, Name(check));
        const int state = check.Value() == 1 ? BST_CHECKED : check.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
        SendMessageW(child.hwnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
        PushShown(site, child);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        if (code != BN_CLICKED) return;
        CheckBox& check = Of(*child.control);
        site.Dispatch([&check] { check.UserClick(); });
    }

    HBRUSH Colours(ControlSite& site, const ChildWindow&, HWND, HDC dc) const override {
        return FormColours(site, dc);
    }

    std::wstring Name(const Control& control) const override {
        return CaptionOrName(static_cast<const CheckBox&>(control).Caption(), control);
    }
};

}  // namespace

const ControlAdapter& CheckBoxAdapter() {
    static const CheckBoxWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
