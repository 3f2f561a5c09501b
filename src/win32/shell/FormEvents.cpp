// Native events of a form's windows handed to the controls' adapters:
// notifications, timers, the messages of the control windows themselves,
// access keys, and the mouse on the form. Every handler runs through
// Shell::Dispatch; after it the window object may be gone unless the caller
// holds Shell::Busy.

#include "win32/port/Dpi.h"
#include "win32/port/Trace.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/FormWindow.h"
#include "win32/shell/InputState.h"
#include "win32/shell/Mnemonic.h"
#include "win32/shell/Shell.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/Pointer.h"

namespace vantrel::win32 {

LRESULT FormWindow::OnCommand(WPARAM wParam, LPARAM) {
    // Esc, as the dialog manager reports it: the form's cancelling choice.
    if (LOWORD(wParam) == IDCANCEL && !pushing_ && !closed_) {
        shell_.Dispatch([this] { form_.PressCancel(); });
        return 0;
    }
    Child* child = ChildById(LOWORD(wParam));
    if (!child || !child->hwnd || pushing_ || closed_) return 0;
    AdapterFor(child->control->Kind()).Notify(*this, *child, HIWORD(wParam));
    return 0;
}

void FormWindow::OnTimer(UINT_PTR id) {
    if (closed_ || id < kFirstTimerId) return;
    const std::size_t index = id - kFirstTimerId;
    if (index >= children_.size()) return;
    Child& child = children_[index];
    AdapterFor(child.control->Kind()).Tick(*this, child);
}

bool FormWindow::OnMnemonic(wchar_t typed) {
    for (Child& child : children_) {
        Control& control = *child.control;
        const std::wstring* caption = AdapterFor(control.Kind()).AccessKeyCaption(control);
        if (!caption || !child.hwnd || !control.Visible() || !MatchesMnemonic(*caption, typed))
            continue;
        RaiseClick(*this, control);
        return true;
    }
    return false;
}

void FormWindow::Subclass(Child& child, HWND hwnd, WNDPROC& original) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&child));
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::ChildProc)));
}

FormWindow::Child* FormWindow::DrawnChildAt(POINT at) {
    // Later controls lie on top.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if (!it->drawn || !it->control->Visible()) continue;
        const RECT place = PixelRect(it->control->Bounds());
        if (PtInRect(&place, at)) return &*it;
    }
    return nullptr;
}

bool FormWindow::OnFormMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (closed_) return false;
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    Child* target = mouseOwner_ && GetCapture() == Handle() ? mouseOwner_ : DrawnChildAt(at);
    if (!target) {
        if (message != WM_MOUSEMOVE) return false;
        OnFormMouseMove(wParam, lParam);
        return true;
    }
    // As the control's own window would see it: in its coordinates, the
    // press captured (by the form) until the release.
    const RECT place = PixelRect(target->control->Bounds());
    const MouseHolder holder{Handle(), {0, 0, place.right - place.left, place.bottom - place.top}};
    if (IsButtonDown(message)) mouseOwner_ = target;
    RouteClickable(*this, *target, message, wParam, MAKELPARAM(at.x - place.left, at.y - place.top), holder);
    if (IsButtonUp(message)) mouseOwner_ = nullptr;
    return true;
}

void FormWindow::OnFormMouseMove(WPARAM wParam, LPARAM lParam) {
    // Frames are transparent to the mouse (HTTRANSPARENT): their moves come
    // here, and the form passes them on by the frames' places.
    if (closed_) return;
    MouseArgs args;
    args.button = HeldButtons(wParam);
    args.shift = ShiftState();
    args.x = PixelsToTwips(GET_X_LPARAM(lParam), dpi_);
    args.y = PixelsToTwips(GET_Y_LPARAM(lParam), dpi_);
    Form& form = form_;
    shell_.Dispatch([&form, args] { form.MouseMoveAt(args); });
}

LRESULT CALLBACK FormWindow::ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* child = reinterpret_cast<Child*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!child) return DefWindowProcW(hwnd, message, wParam, lParam);
    const bool edit = hwnd == child->edit && hwnd != nullptr;
    const WNDPROC original = edit ? child->editOriginal : child->original;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    FormWindow& window = *child->owner;
    if (window.closed_) return CallWindowProcW(original, hwnd, message, wParam, lParam);
    // Handlers may unload the form; holding the shell busy keeps this window
    // alive until the message is done.
    Shell::Busy busy(window.shell_);
    try {
        if (IsMouseMessage(message)) window.RelayToToolTip(*child, message, wParam, lParam);
        LRESULT result = 0;
        if (AdapterFor(child->control->Kind()).Route(window, *child, hwnd, message, wParam, lParam, result))
            return result;
    } catch (...) {
        TraceCaughtException(L"control window procedure");
        return 0;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

void FormWindow::RelayToToolTip(const Child& child, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!toolTip_ || !child.tipAdded) return;
    MSG relayed{};
    relayed.hwnd = child.hwnd;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessageW(toolTip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace vantrel::win32
