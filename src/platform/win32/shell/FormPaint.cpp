// Painting of what the standard controls do not paint themselves: the
// picture faces, and captions that let the form and faces below show through.
#include "platform/win32/shell/FormWindow.h"
#include "platform/win32/shell/Shell.h"

namespace vantrel::win32 {
namespace {

COLORREF ToColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

}  // namespace

void FormWindow::DrawFace(const DRAWITEMSTRUCT& item) {
    Child* child = ChildOf(item.hwndItem);
    FillRect(item.hDC, &item.rcItem, backBrush_.get());
    if (!child || child->control->Kind() != ControlKind::Image) return;
    if (const Picture* picture = static_cast<const Image&>(*child->control).GetPicture())
        shell_.Bitmaps().Draw(item.hDC, picture->resource, item.rcItem);
}

void FormWindow::PaintBackdrop(HDC dc, const Child& label) {
    // What lies below the caption: the form's colour and every visible face
    // placed before it, clipped to the caption and in the caption's coordinates.
    const RECT area = PixelRect(*label.control);
    const RECT own{0, 0, area.right - area.left, area.bottom - area.top};
    FillRect(dc, &own, backBrush_.get());
    for (const Child& below : children_) {
        if (&below == &label) break;
        if (below.control->Kind() != ControlKind::Image || !below.control->Visible()) continue;
        const Picture* picture = static_cast<const Image&>(*below.control).GetPicture();
        if (!picture) continue;
        RECT face = PixelRect(*below.control);
        RECT overlap{};
        if (!IntersectRect(&overlap, &face, &area)) continue;
        OffsetRect(&face, -area.left, -area.top);
        shell_.Bitmaps().Draw(dc, picture->resource, face);
    }
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    Child* child = ChildOf(control);
    if (!child) return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    switch (child->control->Kind()) {
    case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(*child->control);
        SetTextColor(dc, ToColorRef(label.ForeColor()));
        if (label.Opaque()) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ToColorRef(form_.BackColor()));
            return reinterpret_cast<LRESULT>(backBrush_.get());
        }
        PaintBackdrop(dc, *child);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case ControlKind::CheckBox:
        SetBkColor(dc, ToColorRef(form_.BackColor()));
        return reinterpret_cast<LRESULT>(backBrush_.get());
    default:
        return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
}

}  // namespace vantrel::win32
