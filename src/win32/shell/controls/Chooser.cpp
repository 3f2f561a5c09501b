// A chooser: an editable drop-down COMBOBOX whose field holds only the names
// in its list (ChooserEdit.h). Its keys reach the form's KeyDown and KeyUp
// handlers, which may swallow them; a pick is the final selection.
#include <algorithm>

#include "win32/port/DpiMetrics.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/ChooserEdit.h"
#include "win32/shell/controls/ItemList.h"
#include "win32/shell/controls/Pointer.h"
#include "win32/shell/InputState.h"

namespace vantrel::win32 {
namespace {

// Items a chooser shows when dropped down.
constexpr int kVisibleChoices = 11;

ComboBox& Of(Control& control) { return static_cast<ComboBox&>(control); }

bool Dropped(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// A drop-down combo box's window height is its height when dropped: the
// selection field plus the list.
void SizeDropDown(ControlSite& site, const ChildWindow& child) {
    const auto field = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const auto item = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, 0, 0));
    if (field <= 0 || item <= 0) return;
    const RECT r = site.PixelRect(child.control->Bounds());
    const int edges = 2 * MetricForDpi(SM_CYEDGE, site.Dpi()) + 2;
    SetWindowPos(child.hwnd, nullptr, 0, 0, r.right - r.left,
                 field + edges + kVisibleChoices * item + edges, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child.hwnd, CB_SETMINVISIBLE, kVisibleChoices, 0);
}

// The chooser's text shown, with its line selected when the list has it.
void PushText(ChildWindow& child) {
    const std::wstring& text = Of(*child.control).Text();
    const auto found = std::find(child.shown.begin(), child.shown.end(), text);
    const int wanted = found == child.shown.end() ? -1 : static_cast<int>(found - child.shown.begin());
    if (SendMessageW(child.hwnd, CB_GETCURSEL, 0, 0) != wanted)
        SendMessageW(child.hwnd, CB_SETCURSEL, static_cast<WPARAM>(wanted), 0);
    SetTextIfChanged(child.hwnd, text);
}

// Keys that went down in the field and whose KeyUp has not run: the field
// lost the focus with them held (Shift+Tab leaves with Shift down).
void ReleaseKeys(ControlSite& site, ChildWindow& child) {
    if (child.keysDown.empty()) return;
    std::vector<int> keys;
    keys.swap(child.keysDown);
    ComboBox& combo = Of(*child.control);
    const int shift = ShiftState();
    site.Dispatch([&combo, keys, shift] {
        for (int key : keys) {
            if (!combo.KeyUp) break;
            int code = key;
            combo.KeyUp(code, shift);
        }
    });
}

// The field's keys for the handlers; true when the key goes no further.
bool RouteFieldKey(ControlSite& site, ChildWindow& child, UINT message, WPARAM& wParam) {
    ComboBox& combo = Of(*child.control);
    HWND box = child.hwnd;
    switch (message) {
    case WM_KILLFOCUS:
        ReleaseKeys(site, child);
        return false;
    case WM_CHAR:
        return site.SwallowChars();
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
        site.SwallowChars() = false;
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
    site.Dispatch([&handler, &key, shift] {
        if (handler) handler(key, shift);
    });
    if (key != 0) {
        wParam = static_cast<WPARAM>(key);
        return false;
    }
    // The shell is held busy while a control's message runs, so the site
    // outlives the handler.
    if (down) site.SwallowChars() = true;
    return true;
}

class ChooserWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        const DWORD style = ChildStyle(*child.control) | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        HWND hwnd = CreateChildWindow(site, child, *this, place, WC_COMBOBOXW, style);
        if (!hwnd) return nullptr;
        child.edit = ComboEdit(hwnd);
        if (child.edit) {
            SealChooserEdit(child.edit);
            site.Subclass(child, child.edit, child.editOriginal);
        }
        SizeDropDown(site, child);
        return hwnd;
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        PushItems(child, Of(*child.control).Items(), kChooserItems);
        PushText(child);
        PushShown(site, child);
    }

    void Fit(ControlSite& site, ChildWindow& child) const override { SizeDropDown(site, child); }

    bool Route(ControlSite& site, ChildWindow& child, HWND hwnd, UINT message, WPARAM& wParam,
               LPARAM, LRESULT&) const override {
        // The field takes keys only, never the mouse, and no text but the chooser's.
        if (hwnd != child.edit) return false;
        if (ChooserEditRefuses(message, wParam, site.Pushing())) return true;
        return !IsMouseMessage(message) && RouteFieldKey(site, child, message, wParam);
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        ComboBox& combo = Of(*child.control);
        HWND hwnd = child.hwnd;
        if (code == CBN_EDITCHANGE || code == CBN_CLOSEUP) {
            // Text no pick put into the field (another program can still set
            // it), or a list that showed the items it went over and closed
            // without a pick: the chooser's own text goes back.
            site.MirrorAgain(child);
            site.Dispatch([] {});
        } else if (code == CBN_DROPDOWN && combo.Locked()) {
            PostMessageW(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
        } else if (code == CBN_SELCHANGE || code == CBN_SELENDOK) {
            // While the list is down the selection follows the pointer; the
            // pick is the final CBN_SELENDOK. Closed, each change is a pick.
            const bool dropped = Dropped(hwnd);
            if (code == CBN_SELCHANGE && dropped) return;
            const auto index = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
            if (index < 0 || static_cast<std::size_t>(index) >= child.shown.size()) return;
            const std::wstring item = child.shown[static_cast<std::size_t>(index)];
            if (combo.Locked()) {
                site.MirrorAgain(child);  // the locked text goes back
                site.Dispatch([] {});
                return;
            }
            // A closed box sends both for one pick; the second finds the text taken.
            if (code == CBN_SELENDOK && !dropped && combo.Text() == item) return;
            site.Dispatch([&combo, item] {
                combo.SetText(item);
                if (combo.ItemPicked) combo.ItemPicked();
            });
        }
    }

    HBRUSH Colours(ControlSite&, const ChildWindow& child, HWND from, HDC dc) const override {
        // The read-only field looks like the field the user picks into, as
        // it did while it took text.
        if (from != child.edit || !IsWindowEnabled(from)) return nullptr;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
};

}  // namespace

const ControlAdapter& ChooserAdapter() {
    static const ChooserWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
