// A label: a static window carrying its caption, drawn over what lies below
// it (or on its own colour), that raises mouse events and clicks. A label
// without text (a rule, a swatch) that needs no window is drawn by its form
// (DrawnControls.h).
#include "win32/shell/controls/ActionKeys.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/Pointer.h"
#include "win32/shell/Gdi.h"

namespace vantrel::win32 {
namespace {

const Label& Of(const Control& control) { return static_cast<const Label&>(control); }

// The static style that shows a label: its alignment, or owner-drawn (no
// text drawn) for a label that only names what lies below it.
DWORD LabelType(const Label& label) {
    if (label.Caption().empty() && !label.AccessibleName().empty()) return SS_OWNERDRAW;
    switch (label.TextAlign()) {
    case Alignment::Center: return SS_CENTER;
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Left: break;
    }
    return SS_LEFT;
}

class LabelWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        const DWORD style = ChildStyle(*child.control) | SS_NOTIFY | LabelType(Of(*child.control));
        return CreateChildWindow(site, child, *this, place, WC_STATICW, style);
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        const Label& label = Of(*child.control);
        HWND hwnd = child.hwnd;
        SetTextIfChanged(hwnd, Name(label));
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        const auto type = static_cast<LONG_PTR>(LabelType(label));
        if ((style & SS_TYPEMASK) != type) SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~SS_TYPEMASK) | type);
        HFONT font = Font(site, label);
        if (reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)) != font)
            SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        PushShown(site, child);
        // A caption is drawn over what lies below it: the whole area repaints.
        RepaintArea(site, child);
    }

    bool Route(ControlSite& site, ChildWindow& child, HWND hwnd, UINT message, WPARAM& wParam,
               LPARAM lParam, LRESULT& result) const override {
        if (RouteActionKeys(site, child, message, wParam, lParam, result)) return true;
        if (child.control->TabStop()) {
            if (RepaintOnFocus(site, child, message, wParam, lParam, result)) return true;
            if (message == WM_PAINT && (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_OWNERDRAW) {
                // The static class draws the text; the focus rectangle goes on top.
                result = CallWindowProcW(child.original, hwnd, message, wParam, lParam);
                if (GetFocus() == hwnd) {
                    WindowDc dc(hwnd);
                    if (dc.Get()) DrawFocusOf(hwnd, dc.Get());
                }
                return true;
            }
        }
        return RouteClickable(site, child, message, wParam, lParam);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        // The mouse and keys come through Route; this comes from other
        // senders (accessibility tools).
        if (code == STN_CLICKED) RaiseClick(site, *child.control);
    }

    void Paint(ControlSite& site, const ChildWindow& child, const DRAWITEMSTRUCT& item) const override {
        // A label that only names what lies below it: no text, just what
        // shows through (or its own colour).
        const Label& label = Of(*child.control);
        if (label.Opaque())
            FillRect(item.hDC, &item.rcItem, site.BrushFor(label.BackColor()));
        else
            site.PaintBackdrop(item.hDC, child);
        if (GetFocus() == item.hwndItem) DrawFocusOf(item.hwndItem, item.hDC);
    }

    bool Drawable(const Control& control) const override { return Of(control).Caption().empty(); }

    void Draw(ControlSite& site, const ChildWindow& child, HDC dc, const RECT& place) const override {
        // As the static class draws a caption (LabelType's styles).
        const Label& label = Of(*child.control);
        if (label.Opaque()) FillRect(dc, &place, site.BrushFor(label.BackColor()));
        if (label.Caption().empty()) return;
        SavedDc saved(dc);
        SelectObject(dc, Font(site, label));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, label.Enabled() ? ToColorRef(label.ForeColor()) : GetSysColor(COLOR_GRAYTEXT));
        UINT format = DT_EXPANDTABS | DT_WORDBREAK;
        switch (label.TextAlign()) {
        case Alignment::Center: format |= DT_CENTER; break;
        case Alignment::Right: format |= DT_RIGHT; break;
        case Alignment::Left: break;
        }
        RECT area = place;
        DrawTextW(dc, label.Caption().c_str(), -1, &area, format);
    }

    HBRUSH Colours(ControlSite& site, const ChildWindow& child, HWND, HDC dc) const override {
        const Label& label = Of(*child.control);
        SetTextColor(dc, ToColorRef(label.ForeColor()));
        if (label.Opaque()) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ToColorRef(label.BackColor()));
            return site.BrushFor(label.BackColor());
        }
        site.PaintBackdrop(dc, child);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }

    std::wstring Name(const Control& control) const override {
        return CaptionOrName(Of(control).Caption(), control);
    }

    const std::wstring* AccessKeyCaption(const Control& control) const override {
        return &Of(control).Caption();
    }

    HFONT Font(ControlSite& site, const Control& control) const override {
        return site.FontFor(Of(control).Font());
    }
};

}  // namespace

const ControlAdapter& LabelAdapter() {
    static const LabelWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
