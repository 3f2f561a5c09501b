// The keyboard in a form: the choosers' keys for the form's handlers, Enter
// and Space on focused labels, pictures and image buttons, and Alt+letter
// for captions with a mnemonic. Tab itself is the dialog manager's
// (port/MessagePump.cpp).
#include <algorithm>

#include "win32/shell/FormWindow.h"
#include "win32/shell/InputState.h"
#include "win32/shell/Mnemonic.h"
#include "win32/shell/Shell.h"

namespace vantrel::win32 {
namespace {

bool IsActionKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }
bool IsActionChar(WPARAM ch) { return ch == L'\r' || ch == L' '; }

// Labels, pictures and buttons that Tab stops at act on Enter and Space.
// (Outside a dialog box the dialog manager would send Enter to the form as
// its default button's command, not to the focused push button.)
bool ActsOnKeys(const Control& control) {
    const ControlKind kind = control.Kind();
    return control.TabStop() &&
           (kind == ControlKind::Label || kind == ControlKind::Image ||
            kind == ControlKind::ImageButton || kind == ControlKind::CommandButton);
}

// The caption whose "&" letter is the control's mnemonic.
const std::wstring* CaptionOf(const Control& control) {
    switch (control.Kind()) {
    case ControlKind::Label: return &static_cast<const Label&>(control).Caption();
    case ControlKind::ImageButton: return &static_cast<const ImageButton&>(control).Caption();
    case ControlKind::CommandButton: return &static_cast<const CommandButton&>(control).Caption();
    default: return nullptr;
    }
}

// Bit 30 of a key message: the key was already down (auto-repeat).
bool IsRepeat(LPARAM lParam) { return (lParam & (LPARAM{1} << 30)) != 0; }

bool Dropped(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

}  // namespace

bool FormWindow::OnChildKey(Child& child, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) {
    Control& control = *child.control;
    if (!ActsOnKeys(control)) return false;
    HWND hwnd = child.hwnd;
    result = 0;
    switch (message) {
    case WM_GETDLGCODE: {
        // The dialog manager would take Enter for the form's default button;
        // this control wants it, and Space, for itself.
        result = CallWindowProcW(child.original, hwnd, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && (((msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && IsActionKey(msg->wParam)) ||
                    (msg->message == WM_CHAR && IsActionChar(msg->wParam))))
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_KEYDOWN:
        if (!IsActionKey(wParam)) return false;
        if (!IsRepeat(lParam) && control.Enabled() && control.Click)
            shell_.Dispatch([&control] {
                if (control.Enabled() && control.Click) control.Click();
            });
        return true;
    case WM_KEYUP:
        // The button class would click again when Space comes up.
        return IsActionKey(wParam);
    case WM_CHAR:
        return IsActionChar(wParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        result = CallWindowProcW(child.original, hwnd, message, wParam, lParam);
        // The focus rectangle comes or goes; the button class repaints itself.
        if (control.Kind() == ControlKind::Label || control.Kind() == ControlKind::Image)
            RepaintArea(child);
        return true;
    case WM_PAINT:
        if (control.Kind() != ControlKind::Label ||
            (GetWindowLongPtrW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW)
            return false;
        // The static class draws the text; the focus rectangle goes on top.
        result = CallWindowProcW(child.original, hwnd, message, wParam, lParam);
        if (GetFocus() == hwnd) {
            WindowDc dc(hwnd);
            if (dc.Get()) DrawFocusOf(child, dc.Get());
        }
        return true;
    default:
        return false;
    }
}

bool FormWindow::OnComboEditKey(Child& child, UINT message, WPARAM& wParam, LPARAM) {
    auto& combo = static_cast<ComboBox&>(*child.control);
    HWND box = child.hwnd;
    switch (message) {
    case WM_KILLFOCUS:
        // Shift+Tab leaves with Shift still down: its KeyUp comes here.
        ReleaseChooserKeys(child);
        return false;
    case WM_CHAR:
        return swallowChars_;
    case WM_SYSKEYDOWN:
        // Alt+Down and Alt+Up open a closed list, as F4 does.
        if ((wParam == VK_DOWN || wParam == VK_UP) && !Dropped(box)) {
            SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
        break;
    default:
        return false;
    }
    const bool down = message == WM_KEYDOWN;
    const int vk = static_cast<int>(wParam);
    const auto held = std::find(child.keysDown.begin(), child.keysDown.end(), vk);
    if (down) {
        swallowChars_ = false;
        // An open list takes its keys as the system does: arrows move, Enter
        // picks, Escape closes.
        if (Dropped(box)) return false;
        if (vk == VK_F4) {
            SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        if (held == child.keysDown.end()) child.keysDown.push_back(vk);
    } else if (held != child.keysDown.end()) {
        child.keysDown.erase(held);
    } else if (Dropped(box)) {
        return false;
    }
    auto& handler = down ? combo.KeyDown : combo.KeyUp;
    if (!handler) return false;
    int key = vk;
    const int shift = ShiftState();
    shell_.Dispatch([&handler, &key, shift] {
        if (handler) handler(key, shift);
    });
    if (key != 0) {
        wParam = static_cast<WPARAM>(key);
        return false;
    }
    // ChildProc holds the shell busy, so this object outlives the handler.
    if (down) swallowChars_ = true;
    return true;
}

void FormWindow::ReleaseChooserKeys(Child& child) {
    if (child.keysDown.empty()) return;
    std::vector<int> keys;
    keys.swap(child.keysDown);
    auto& combo = static_cast<ComboBox&>(*child.control);
    const int shift = ShiftState();
    shell_.Dispatch([&combo, keys, shift] {
        for (int key : keys) {
            if (!combo.KeyUp) break;
            int code = key;
            combo.KeyUp(code, shift);
        }
    });
}

bool FormWindow::OnMnemonic(wchar_t typed) {
    for (Child& child : children_) {
        Control& control = *child.control;
        const std::wstring* caption = CaptionOf(control);
        if (!caption || !child.hwnd || !control.Visible() || !MatchesMnemonic(*caption, typed))
            continue;
        if (control.Enabled() && control.Click)
            shell_.Dispatch([&control] {
                if (control.Enabled() && control.Click) control.Click();
            });
        return true;
    }
    return false;
}

}  // namespace vantrel::win32
