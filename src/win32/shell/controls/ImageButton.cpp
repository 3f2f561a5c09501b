// An image button: one owner-drawn button window showing its face with its
// caption centred on the caption's strip, named by that caption.
#include "win32/port/Dpi.h"
#include "win32/shell/controls/ActionKeys.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/Pointer.h"
#include "win32/shell/BitmapCache.h"
#include "win32/shell/Gdi.h"

namespace vantrel::win32 {
namespace {

const ImageButton& Of(const Control& control) { return static_cast<const ImageButton&>(control); }

class ImageButtonWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        return CreateChildWindow(site, child, *this, place, WC_BUTTONW, ChildStyle(*child.control) | BS_OWNERDRAW);
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        InvalidateRect(child.hwnd, nullptr, FALSE);
        PushNamed(site, child, *this);
    }

    bool Route(ControlSite& site, ChildWindow& child, HWND, UINT message, WPARAM& wParam,
               LPARAM lParam, LRESULT& result) const override {
        if (RouteActionKeys(site, child, message, wParam, lParam, result)) return true;
        return RouteClickable(site, child, message, wParam, lParam);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        if (code == BN_CLICKED) RaiseClick(site, *child.control);
    }

    void Paint(ControlSite& site, const ChildWindow& child, const DRAWITEMSTRUCT& item) const override {
        const ImageButton& button = Of(*child.control);
        HDC dc = item.hDC;
        const RECT& face = item.rcItem;
        FillRect(dc, &face, site.BackBrush());
        if (const Picture* picture = button.GetPicture())
            site.Bitmaps().Draw(dc, picture->resource, face);

        // The caption's strip, from form coordinates to the face's.
        RECT strip = site.PixelRect(button.LabelBounds());
        const RECT at = site.PixelRect(button.Bounds());
        OffsetRect(&strip, -at.left, -at.top);
        const bool disabled = (item.itemState & ODS_DISABLED) != 0 || !button.Enabled();
        {
            SavedDc saved(dc);
            Selection font(dc, Font(site, button));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
            DrawTextW(dc, button.Caption().c_str(), static_cast<int>(button.Caption().size()), &strip,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            RECT inside = face;
            const int inset = MulDiv(3, site.Dpi(), kDefaultDpi);
            InflateRect(&inside, -inset, -inset);
            SavedDc saved(dc);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            DrawFocusRect(dc, &inside);
        }
    }

    std::wstring Name(const Control& control) const override {
        return CaptionOrName(Of(control).Caption(), control);
    }

    const std::wstring* AccessKeyCaption(const Control& control) const override {
        return &Of(control).Caption();
    }
};

}  // namespace

const ControlAdapter& ImageButtonAdapter() {
    static const ImageButtonWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
