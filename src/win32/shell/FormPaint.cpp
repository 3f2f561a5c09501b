// The form's part in painting its controls: brushes of its colours, what
// lies below a caption, and the owner-drawing and colour requests of the
// controls handed to their adapters.
#include "win32/shell/FormWindow.h"
#include "win32/shell/Shell.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {

HBRUSH FormWindow::BrushFor(Colour colour) {
    const COLORREF key = ToColorRef(colour);
    auto it = brushes_.find(key);
    if (it == brushes_.end()) it = brushes_.emplace(key, Brush(CreateSolidBrush(key))).first;
    return it->second.get();
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (const Child* child = ChildOf(item.hwndItem))
        AdapterFor(child->control->Kind()).Paint(*this, *child, item);
}

void FormWindow::PaintBackdrop(HDC dc, const ChildWindow& over) {
    // What lies below the caption: the form's colour, every visible control
    // placed before it that the form draws and every visible face placed
    // before it, clipped to the caption and in the caption's coordinates.
    const RECT area = PixelRect(over.control->Bounds());
    const RECT own{0, 0, area.right - area.left, area.bottom - area.top};
    FillRect(dc, &own, backBrush_.get());
    for (const Child& below : children_) {
        if (&below == &over) break;
        if (!below.control->Visible()) continue;
        const ControlAdapter& adapter = AdapterFor(below.control->Kind());
        const Picture* picture = adapter.Face(*below.control);
        if (!below.drawn && !picture) continue;
        RECT place = PixelRect(below.control->Bounds());
        RECT overlap{};
        if (!IntersectRect(&overlap, &place, &area)) continue;
        OffsetRect(&place, -area.left, -area.top);
        if (below.drawn)
            adapter.Draw(*this, below, dc, place);
        else
            bitmaps_.Draw(dc, picture->resource, place);
    }
}

void FormWindow::DrawControls(HDC dc, const RECT& area) {
    // In the form's order: later controls lie on top.
    for (const Child& child : children_) {
        if (!child.drawn || !child.control->Visible()) continue;
        const RECT place = PixelRect(child.control->Bounds());
        RECT overlap{};
        if (IntersectRect(&overlap, &place, &area)) AdapterFor(child.control->Kind()).Draw(*this, child, dc, place);
    }
}

void FormWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (!dc) return;
    DrawControls(dc, paint.rcPaint);
    EndPaint(Handle(), &paint);
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    if (const Child* child = ChildOf(control))
        if (HBRUSH brush = AdapterFor(child->control->Kind()).Colours(*this, *child, control, dc))
            return reinterpret_cast<LRESULT>(brush);
    return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

}  // namespace vantrel::win32
