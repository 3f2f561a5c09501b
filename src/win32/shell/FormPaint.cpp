// Painting of what the standard controls do not paint themselves: picture
// faces, image buttons, captions that let the form and faces below show
// through, labels with a colour of their own, and focus rectangles.
#include <algorithm>

#include "win32/port/Dpi.h"
#include "win32/shell/FormWindow.h"
#include "win32/shell/Shell.h"

namespace vantrel::win32 {
namespace {

COLORREF ToColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

bool Shows(const Control& control, ControlKind kind) { return control.Kind() == kind; }

}  // namespace

HBRUSH FormWindow::BrushFor(Colour colour) {
    const COLORREF key = ToColorRef(colour);
    auto it = brushes_.find(key);
    if (it == brushes_.end()) it = brushes_.emplace(key, Brush(CreateSolidBrush(key))).first;
    return it->second.get();
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const Child* child = ChildOf(item.hwndItem);
    if (!child) return;
    if (item.CtlType == ODT_BUTTON && Shows(*child->control, ControlKind::ImageButton))
        DrawImageButton(*child, item);
    else if (item.CtlType == ODT_STATIC)
        DrawStatic(*child, item);
}

void FormWindow::DrawStatic(const Child& child, const DRAWITEMSTRUCT& item) {
    const Control& control = *child.control;
    if (Shows(control, ControlKind::Image)) {
        FillRect(item.hDC, &item.rcItem, backBrush_.get());
        if (const Picture* picture = static_cast<const Image&>(control).GetPicture())
            shell_.Bitmaps().Draw(item.hDC, picture->resource, item.rcItem);
    } else if (Shows(control, ControlKind::Label)) {
        // A label that only names what lies below it: no text, just what
        // shows through (or its own colour).
        const auto& label = static_cast<const Label&>(control);
        if (label.Opaque())
            FillRect(item.hDC, &item.rcItem, BrushFor(label.BackColor()));
        else
            PaintBackdrop(item.hDC, child);
    } else {
        FillRect(item.hDC, &item.rcItem, backBrush_.get());
    }
    if (GetFocus() == item.hwndItem) DrawFocusOf(child, item.hDC);
}

void FormWindow::DrawImageButton(const Child& child, const DRAWITEMSTRUCT& item) {
    const auto& button = static_cast<const ImageButton&>(*child.control);
    HDC dc = item.hDC;
    const RECT& face = item.rcItem;
    FillRect(dc, &face, backBrush_.get());
    if (const Picture* picture = button.GetPicture())
        shell_.Bitmaps().Draw(dc, picture->resource, face);

    // The caption's strip, from form coordinates to the face's.
    RECT strip = PixelRect(button.LabelBounds());
    const RECT at = PixelRect(button);
    OffsetRect(&strip, -at.left, -at.top);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0 || !button.Enabled();
    {
        SavedDc saved(dc);
        Selection font(dc, FontOf(button));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
        DrawTextW(dc, button.Caption().c_str(), static_cast<int>(button.Caption().size()), &strip,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT inside = face;
        const int inset = MulDiv(3, dpi_, kDefaultDpi);
        InflateRect(&inside, -inset, -inset);
        SavedDc saved(dc);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &inside);
    }
}

void FormWindow::DrawFocusOf(const Child& child, HDC dc) {
    // Keyboard cues hidden (the user works with the mouse): no rectangle.
    if (SendMessageW(child.hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
    RECT client{};
    GetClientRect(child.hwnd, &client);
    SavedDc saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &client);
}

void FormWindow::PaintBackdrop(HDC dc, const Child& label) {
    // What lies below the caption: the form's colour and every visible face
    // placed before it, clipped to the caption and in the caption's coordinates.
    const RECT area = PixelRect(*label.control);
    const RECT own{0, 0, area.right - area.left, area.bottom - area.top};
    FillRect(dc, &own, backBrush_.get());
    for (const Child& below : children_) {
        if (&below == &label) break;
        if (!Shows(*below.control, ControlKind::Image) || !below.control->Visible()) continue;
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
    if (!child) {
        // A chooser's edit field is read-only, yet looks like the field the
        // user picks into, as it did while it took text.
        const bool chooserEdit = std::any_of(children_.begin(), children_.end(),
                                             [control](const Child& c) { return c.edit == control; });
        if (!chooserEdit || !IsWindowEnabled(control))
            return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    switch (child->control->Kind()) {
    case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(*child->control);
        SetTextColor(dc, ToColorRef(label.ForeColor()));
        if (label.Opaque()) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, ToColorRef(label.BackColor()));
            return reinterpret_cast<LRESULT>(BrushFor(label.BackColor()));
        }
        PaintBackdrop(dc, *child);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case ControlKind::CheckBox:
    case ControlKind::Frame:
        SetBkColor(dc, ToColorRef(form_.BackColor()));
        return reinterpret_cast<LRESULT>(backBrush_.get());
    default:
        return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
}

}  // namespace vantrel::win32
