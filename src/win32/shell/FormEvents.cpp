// Native events of a form's windows turned into its handlers: notifications
// of the standard controls, mouse input on the form, captions, faces, image
// buttons and lists, and timers (keys are in FormKeys.cpp). Every handler runs through Shell::Dispatch; after
// it the window object may be gone unless the caller holds Shell::Busy.

#include "win32/port/Dpi.h"
#include "win32/port/Trace.h"
#include "win32/shell/ChooserEdit.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/FormWindow.h"
#include "win32/shell/InputState.h"
#include "win32/shell/Shell.h"
#include "win32/shell/WindowText.h"

namespace vantrel::win32 {
namespace {

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

// Captions, faces, image buttons and lists raise mouse events; the other
// controls answer the mouse themselves and report through notifications.
bool MouseRouted(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image ||
           kind == ControlKind::ImageButton || kind == ControlKind::ListBox;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

}  // namespace

LRESULT FormWindow::OnCommand(WPARAM wParam, LPARAM) {
    // Esc, as the dialog manager reports it: the form's cancelling choice.
    if (LOWORD(wParam) == IDCANCEL && !pushing_ && !closed_) {
        shell_.Dispatch([this] { form_.PressCancel(); });
        return 0;
    }
    Child* child = ChildById(LOWORD(wParam));
    if (!child || !child->hwnd || pushing_ || closed_) return 0;
    const UINT code = HIWORD(wParam);
    HWND hwnd = child->hwnd;
    Control& control = *child->control;
    switch (control.Kind()) {
    case ControlKind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(control);
        if (code == CBN_EDITCHANGE) {
            // Text no pick put into the field (it is read-only, but another
            // program can still set it) is not taken: the chooser's own goes back.
            child->pushed = 0;
            shell_.Dispatch([] {});
        } else if (code == CBN_DROPDOWN && combo.Locked()) {
            PostMessageW(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
        } else if (code == CBN_CLOSEUP) {
            // The list showed the items it went over; once closed the box
            // shows the chooser's text again (a cancelled or refused pick).
            child->pushed = 0;
            shell_.Dispatch([] {});
        } else if (code == CBN_SELCHANGE || code == CBN_SELENDOK) {
            // While the list is down the selection follows the pointer; the
            // pick is the final CBN_SELENDOK. Closed, each change is a pick.
            const bool dropped = SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
            if (code == CBN_SELCHANGE && dropped) break;
            const auto index = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
            if (index < 0 || static_cast<std::size_t>(index) >= child->shown.size()) break;
            const std::wstring item = child->shown[static_cast<std::size_t>(index)];
            if (combo.Locked()) {
                child->pushed = 0;  // put the locked text back on the next push
                shell_.Dispatch([] {});
                break;
            }
            // A closed box sends both for one pick; the second finds the text taken.
            if (code == CBN_SELENDOK && !dropped && combo.Text() == item) break;
            shell_.Dispatch([&combo, item] {
                combo.SetText(item);
                if (combo.ItemPicked) combo.ItemPicked();
            });
        }
        break;
    }
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE) {
            const auto index = static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
            auto& list = static_cast<ListBox&>(control);
            shell_.Dispatch([&list, index] {
                list.SetListIndex(index);
                if (list.Click) list.Click();
            });
        }
        break;
    case ControlKind::CheckBox:
        if (code == BN_CLICKED) {
            auto& check = static_cast<CheckBox&>(control);
            shell_.Dispatch([&check] { check.UserClick(); });
        }
        break;
    case ControlKind::TextBox:
        if (code == EN_CHANGE) {
            const std::wstring text = WindowText(hwnd);
            auto& box = static_cast<TextBox&>(control);
            shell_.Dispatch([&box, text] { box.SetText(text); });
        }
        break;
    case ControlKind::CommandButton:
        if (code == BN_CLICKED && control.Enabled() && control.Click)
            shell_.Dispatch([&control] {
                if (control.Enabled() && control.Click) control.Click();
            });
        break;
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::ImageButton:
        // The mouse and keys are handled in ChildProc; this comes from other
        // senders (accessibility tools).
        if ((code == STN_CLICKED || code == BN_CLICKED) && control.Enabled() && control.Click)
            shell_.Dispatch([&control] {
                if (control.Enabled() && control.Click) control.Click();
            });
        break;
    default:
        break;
    }
    return 0;
}

void FormWindow::OnTimer(UINT_PTR id) {
    if (closed_ || id < kFirstTimerId) return;
    const std::size_t index = id - kFirstTimerId;
    if (index >= children_.size() || children_[index].control->Kind() != ControlKind::Timer) return;
    auto& timer = static_cast<Timer&>(*children_[index].control);
    // A tick already queued when a handler stopped the timer is dropped.
    if (!timer.Enabled() || !timer.Tick) return;
    shell_.Dispatch([&timer] {
        if (timer.Enabled() && timer.Tick) timer.Tick();
    });
}

void FormWindow::Subclass(Child& child, HWND hwnd, WNDPROC& original) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&child));
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::ChildProc)));
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
        const bool mouse = IsMouseMessage(message);
        if (mouse) window.RelayToToolTip(*child, message, wParam, lParam);
        if (edit) {
            // The edit field of a chooser: keys only, never the mouse, and
            // no text but the chooser's.
            if (ChooserEditRefuses(message, wParam, window.pushing_)) return 0;
            if (!mouse && window.OnComboEditKey(*child, message, wParam, lParam)) return 0;
        } else {
            // A group frame paints only its line and caption; the form does
            // not paint below its children, so the frame fills its inside.
            if (message == WM_ERASEBKGND && child->control->Kind() == ControlKind::Frame) {
                RECT inside{};
                GetClientRect(hwnd, &inside);
                FillRect(reinterpret_cast<HDC>(wParam), &inside, window.backBrush_.get());
                return 1;
            }
            LRESULT result = 0;
            if (window.OnChildKey(*child, message, wParam, lParam, result)) return result;
            if ((mouse || message == BM_CLICK) && MouseRouted(child->control->Kind()) &&
                window.OnChildMouse(*child, message, wParam, lParam))
                return 0;
        }
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

bool FormWindow::OnChildMouse(Child& child, UINT message, WPARAM wParam, LPARAM lParam) {
    Control& control = *child.control;
    HWND hwnd = child.hwnd;
    if (!control.Enabled()) {
        // A disabled control raises nothing; a press it took while enabled
        // lets go of the mouse.
        if (IsButtonUp(message) && GetCapture() == hwnd) ReleaseCapture();
        return message == BM_CLICK || IsButtonDown(message) || IsButtonUp(message);
    }
    const bool list = control.Kind() == ControlKind::ListBox;
    MouseArgs args;
    args.shift = ShiftState();
    args.x = PixelsToTwips(GET_X_LPARAM(lParam), dpi_);
    args.y = PixelsToTwips(GET_Y_LPARAM(lParam), dpi_);

    if (message == WM_MOUSEMOVE) {
        if (!control.MouseMove) return false;
        args.button = HeldButtons(wParam);
        shell_.Dispatch([&control, args] {
            if (control.MouseMove) control.MouseMove(args);
        });
        return false;  // the control still tracks the mouse itself
    }
    if (IsButtonDown(message)) {
        args.button = ButtonOf(message);
        if (list) {
            // The press selects the line under the pointer first.
            CallWindowProcW(child.original, hwnd, message, wParam, lParam);
            const auto line = static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
            auto& box = static_cast<ListBox&>(control);
            shell_.Dispatch([&box, line, args] {
                box.SetListIndex(line);
                if (box.MouseDown) box.MouseDown(args);
            });
            return true;
        }
        SetCapture(hwnd);
        shell_.Dispatch([&control, args] {
            if (control.MouseDown) control.MouseDown(args);
        });
        return true;
    }
    if (IsButtonUp(message)) {
        args.button = ButtonOf(message);
        if (list) {
            CallWindowProcW(child.original, hwnd, message, wParam, lParam);
            shell_.Dispatch([&control, args] {
                if (control.MouseUp) control.MouseUp(args);
            });
            return true;
        }
        const bool captured = GetCapture() == hwnd;
        if (captured) ReleaseCapture();
        RECT client{};
        GetClientRect(hwnd, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // A click is a left press and release on the same control.
        const bool click = captured && args.button == 1 && PtInRect(&client, at);
        shell_.Dispatch([this, &control, args, click] {
            if (control.MouseUp) control.MouseUp(args);
            if (click && !closed_ && control.Enabled() && control.Click) control.Click();
        });
        return true;
    }
    if (message == BM_CLICK && !list) {
        // A programmatic press of a caption or face, as tools and tests send it.
        args.button = 1;
        shell_.Dispatch([this, &control, args] {
            if (control.MouseDown) control.MouseDown(args);
            if (!closed_ && control.MouseUp) control.MouseUp(args);
            if (!closed_ && control.Enabled() && control.Click) control.Click();
        });
        return true;
    }
    return false;
}

}  // namespace vantrel::win32
