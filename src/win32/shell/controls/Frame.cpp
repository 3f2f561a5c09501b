// A frame: a group box (BUTTON) that draws its line and caption around other
// controls. It takes no mouse: its moves reach the form, which passes them on
// by the frames' places (Form::MouseMoveAt).
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

class FrameWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        return CreateChildWindow(site, child, *this, place, WC_BUTTONW, ChildStyle(*child.control) | BS_GROUPBOX);
    }

    void Push(ControlSite& site, ChildWindow& child) const override { PushNamed(site, child, *this); }

    bool Route(ControlSite& site, ChildWindow&, HWND hwnd, UINT message, WPARAM& wParam,
               LPARAM, LRESULT& result) const override {
        switch (message) {
        case WM_NCHITTEST:
            // Transparent to the mouse: the point belongs to the form below.
            result = HTTRANSPARENT;
            return true;
        case WM_ERASEBKGND: {
            // The form does not paint below its children, so the frame fills
            // its inside.
            RECT inside{};
            GetClientRect(hwnd, &inside);
            FillRect(reinterpret_cast<HDC>(wParam), &inside, site.BackBrush());
            result = 1;
            return true;
        }
        default:
            return false;
        }
    }

    HBRUSH Colours(ControlSite& site, const ChildWindow&, HWND, HDC dc) const override {
        return FormColours(site, dc);
    }

    std::wstring Name(const Control& control) const override {
        return CaptionOrName(static_cast<const Frame&>(control).Caption(), control);
    }
};

}  // namespace

const ControlAdapter& FrameAdapter() {
    static const FrameWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
