// An image: a picture face drawn in its own window (the program's picture
// class), named by its accessible name, that raises mouse events and clicks;
// or, when it needs no window, drawn by its form (DrawnControls.h).
#include "win32/shell/controls/ActionKeys.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/PictureWindow.h"
#include "win32/shell/controls/Pointer.h"
#include "win32/shell/BitmapCache.h"

namespace vantrel::win32 {
namespace {

class ImageWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        if (!RegisterPictureClass(site.Instance())) return nullptr;
        return CreateChildWindow(site, child, *this, place, kPictureClass, ChildStyle(*child.control));
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        PushNamed(site, child, *this);
        // Faces lie below captions: the whole area repaints.
        RepaintArea(site, child);
    }

    bool Route(ControlSite& site, ChildWindow& child, HWND, UINT message, WPARAM& wParam,
               LPARAM lParam, LRESULT& result) const override {
        if (RouteActionKeys(site, child, message, wParam, lParam, result)) return true;
        if (child.control->TabStop() && RepaintOnFocus(site, child, message, wParam, lParam, result))
            return true;
        return RouteClickable(site, child, message, wParam, lParam);
    }

    void Paint(ControlSite& site, const ChildWindow& child, const DRAWITEMSTRUCT& item) const override {
        Draw(site, child, item.hDC, item.rcItem);
        if (GetFocus() == item.hwndItem) DrawFocusOf(item.hwndItem, item.hDC);
    }

    bool Drawable(const Control&) const override { return true; }

    void Draw(ControlSite& site, const ChildWindow& child, HDC dc, const RECT& place) const override {
        FillRect(dc, &place, site.BackBrush());
        if (const Picture* picture = Face(*child.control)) site.Bitmaps().Draw(dc, picture->resource, place);
    }

    const Picture* Face(const Control& control) const override {
        return static_cast<const Image&>(control).GetPicture();
    }
};

}  // namespace

const ControlAdapter& ImageAdapter() {
    static const ImageWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
