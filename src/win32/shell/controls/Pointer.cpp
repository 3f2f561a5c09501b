#include "win32/shell/controls/Pointer.h"

#include "win32/port/Dpi.h"
#include "win32/shell/InputState.h"

namespace vantrel::win32 {

int ButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: return 4;
    default: return 0;
    }
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

MouseArgs MouseArgsAt(ControlSite& site, LPARAM lParam) {
    MouseArgs args;
    args.shift = ShiftState();
    args.x = PixelsToTwips(GET_X_LPARAM(lParam), site.Dpi());
    args.y = PixelsToTwips(GET_Y_LPARAM(lParam), site.Dpi());
    return args;
}

bool RefusedWhileDisabled(const ChildWindow& child, HWND holder, UINT message) {
    if (child.control->Enabled()) return false;
    if (IsButtonUp(message) && GetCapture() == holder) ReleaseCapture();
    return message == BM_CLICK || IsButtonDown(message) || IsButtonUp(message);
}

void RaiseMouseMove(ControlSite& site, Control& control, WPARAM wParam, LPARAM lParam) {
    if (!control.MouseMove) return;
    MouseArgs args = MouseArgsAt(site, lParam);
    args.button = HeldButtons(wParam);
    site.Dispatch([&control, args] {
        if (control.MouseMove) control.MouseMove(args);
    });
}

bool RouteClickable(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam, LPARAM lParam,
                    const MouseHolder& holder) {
    if (!IsMouseMessage(message) && message != BM_CLICK) return false;
    HWND hwnd = holder.window;
    if (!child.control->Enabled()) return RefusedWhileDisabled(child, hwnd, message);
    Control& control = *child.control;
    if (message == WM_MOUSEMOVE) {
        RaiseMouseMove(site, control, wParam, lParam);
        return false;
    }
    MouseArgs args = MouseArgsAt(site, lParam);
    if (IsButtonDown(message)) {
        args.button = ButtonOf(message);
        SetCapture(hwnd);
        site.Dispatch([&control, args] {
            if (control.MouseDown) control.MouseDown(args);
        });
        return true;
    }
    if (IsButtonUp(message)) {
        args.button = ButtonOf(message);
        const bool captured = GetCapture() == hwnd;
        if (captured) ReleaseCapture();
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // A click is a left press and release on the same control.
        const bool click = captured && args.button == 1 && PtInRect(&holder.area, at);
        site.Dispatch([&site, &control, args, click] {
            if (control.MouseUp) control.MouseUp(args);
            if (click && !site.Closed() && control.Enabled() && control.Click) control.Click();
        });
        return true;
    }
    if (message == BM_CLICK) {
        args.button = 1;
        site.Dispatch([&site, &control, args] {
            if (control.MouseDown) control.MouseDown(args);
            if (!site.Closed() && control.MouseUp) control.MouseUp(args);
            if (!site.Closed() && control.Enabled() && control.Click) control.Click();
        });
        return true;
    }
    return false;
}

bool RouteClickable(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsMouseMessage(message) && message != BM_CLICK) return false;
    MouseHolder own{child.hwnd, {}};
    // Only a release asks where it is: moves, the most of the mouse, do not.
    if (IsButtonUp(message)) GetClientRect(child.hwnd, &own.area);
    return RouteClickable(site, child, message, wParam, lParam, own);
}

}  // namespace vantrel::win32
