#include "win32/shell/controls/ChildCommon.h"

#include "win32/shell/CommonControls.h"
#include "win32/shell/controls/PictureWindow.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/Gdi.h"
#include "win32/shell/WindowText.h"

namespace vantrel::win32 {

DWORD ChildStyle(const Control& control) {
    return WS_CHILD | WS_CLIPSIBLINGS | (control.TabStop() ? WS_TABSTOP : 0);
}

HWND CreateChildWindow(ControlSite& site, ChildWindow& child, const ControlAdapter& adapter,
                       const RECT& place, const wchar_t* className, DWORD style, DWORD exStyle) {
    const Control& control = *child.control;
    // The system's control classes are the common controls' (version 6, by
    // the manifest): loaded with the first of them, never for pictures alone.
    if (lstrcmpW(className, kPictureClass) != 0) EnsureCommonControls();
    const std::wstring name = adapter.Name(control);
    // Made in the state the control is in, so the first push has nothing to
    // change: each ShowWindow or EnableWindow is a round trip to the system.
    style |= (control.Visible() ? WS_VISIBLE : 0) | (control.Enabled() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExW(exStyle, className, name.c_str(), style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, site.FormHandle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + child.index)),
                                site.Instance(), nullptr);
    if (!hwnd) return nullptr;
    child.hwnd = hwnd;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(adapter.Font(site, control)), FALSE);
    site.Subclass(child, hwnd, child.original);
    return hwnd;
}

void SetTextIfChanged(HWND hwnd, const std::wstring& text) {
    if (WindowText(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

std::wstring CaptionOrName(const std::wstring& caption, const Control& control) {
    return caption.empty() ? control.AccessibleName() : caption;
}

void PushShown(ControlSite& site, const ChildWindow& child) {
    const Control& control = *child.control;
    HWND hwnd = child.hwnd;
    if ((IsWindowEnabled(hwnd) != FALSE) != control.Enabled()) {
        if (!control.Enabled() && GetFocus() == hwnd) {
            HWND next = GetNextDlgTabItem(site.FormHandle(), hwnd, FALSE);
            if (next && next != hwnd) SetFocus(next);
        }
        EnableWindow(hwnd, control.Enabled());
    }
    const bool visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != control.Visible()) ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
}

void PushNamed(ControlSite& site, const ChildWindow& child, const ControlAdapter& adapter) {
    SetTextIfChanged(child.hwnd, adapter.Name(*child.control));
    PushShown(site, child);
}

HBRUSH FormColours(ControlSite& site, HDC dc) {
    SetBkColor(dc, ToColorRef(site.BackColour()));
    return site.BackBrush();
}

void RaiseClick(ControlSite& site, Control& control) {
    if (!control.Enabled() || !control.Click) return;
    site.Dispatch([&control] {
        if (control.Enabled() && control.Click) control.Click();
    });
}

void RepaintArea(ControlSite& site, const ChildWindow& child) {
    // A form not on screen is painted whole when it shows.
    if (!IsWindowVisible(site.FormHandle())) return;
    const RECT r = site.PixelRect(child.control->Bounds());
    RedrawWindow(site.FormHandle(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DrawFocusOf(HWND hwnd, HDC dc) {
    if (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    SavedDc saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &client);
}

COLORREF ToColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

}  // namespace vantrel::win32

namespace vantrel::win32 {

bool RepaintOnFocus(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam,
                    LPARAM lParam, LRESULT& result) {
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS) return false;
    result = CallWindowProcW(child.original, child.hwnd, message, wParam, lParam);
    RepaintArea(site, child);
    return true;
}

}  // namespace vantrel::win32
