#include "win32/shell/controls/ActionKeys.h"

#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

bool IsActionKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }
bool IsActionChar(WPARAM ch) { return ch == L'\r' || ch == L' '; }

// Bit 30 of a key message: the key was already down (auto-repeat).
bool IsRepeat(LPARAM lParam) { return (lParam & (LPARAM{1} << 30)) != 0; }

}  // namespace

bool RouteActionKeys(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam,
                     LPARAM lParam, LRESULT& result) {
    Control& control = *child.control;
    if (!control.TabStop()) return false;
    result = 0;
    switch (message) {
    case WM_GETDLGCODE: {
        // The dialog manager would take Enter for the form's default button;
        // this control wants it, and Space, for itself.
        result = CallWindowProcW(child.original, child.hwnd, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && (((msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && IsActionKey(msg->wParam)) ||
                    (msg->message == WM_CHAR && IsActionChar(msg->wParam))))
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_KEYDOWN:
        if (!IsActionKey(wParam)) return false;
        if (!IsRepeat(lParam)) RaiseClick(site, control);
        return true;
    case WM_KEYUP:
        // The button class would click again when Space comes up.
        return IsActionKey(wParam);
    case WM_CHAR:
        return IsActionChar(wParam);
    default:
        return false;
    }
}

}  // namespace vantrel::win32
