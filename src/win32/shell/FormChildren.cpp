// The form's control windows: one standard child window per control,
// created at the control's place, and the mirroring of each control's state.

#include <algorithm>

#include "win32/port/DpiMetrics.h"
#include "win32/shell/ChooserEdit.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/FormWindow.h"
#include "win32/shell/Gdi.h"
#include "win32/shell/ItemEdit.h"
#include "win32/shell/Shell.h"
#include "win32/shell/WindowText.h"
#include "win32/shell/ZOrder.h"

namespace vantrel::win32 {
namespace {

// Items a chooser shows when dropped down.
constexpr int kVisibleChoices = 11;
// Above this many changed lines a list stops redrawing until it is filled.
constexpr std::size_t kBulkLines = 64;

void SetTextIfChanged(HWND hwnd, const std::wstring& text) {
    if (WindowText(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// The static style that shows a label: its alignment, or owner-drawn (no
// text drawn) for a label that only names what lies below it.
DWORD LabelType(const Label& label) {
    if (label.Caption().empty() && !label.AccessibleName().empty()) return SS_OWNERDRAW;
    switch (label.TextAlign()) {
    case Alignment::Center: return SS_CENTER;
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Left: break;
    }
    return SS_LEFT;
}

// The window text: what the control shows, or else its accessible name, so
// that screen readers and tools find every clickable control by name.
std::wstring WindowName(const Control& control) {
    std::wstring shown;
    switch (control.Kind()) {
    case ControlKind::Label: shown = static_cast<const Label&>(control).Caption(); break;
    case ControlKind::ImageButton: shown = static_cast<const ImageButton&>(control).Caption(); break;
    case ControlKind::CheckBox: shown = static_cast<const CheckBox&>(control).Caption(); break;
    case ControlKind::CommandButton:
        shown = static_cast<const CommandButton&>(control).Caption();
        break;
    case ControlKind::Frame: shown = static_cast<const Frame&>(control).Caption(); break;
    default: break;
    }
    return shown.empty() ? control.AccessibleName() : shown;
}

// Temporarily marks the window as pushing, so the notifications our own
// changes cause are not taken for the user's.
class PushScope {
public:
    explicit PushScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    PushScope(const PushScope&) = delete;
    PushScope& operator=(const PushScope&) = delete;
    ~PushScope() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

void FormWindow::CreateChildren() {
    const auto& controls = form_.Controls();
    children_.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        children_[i].owner = this;
        children_[i].control = controls[i];
    }
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].control->Kind() != ControlKind::Timer)
            children_[i].hwnd = CreateChild(children_[i], static_cast<int>(i));
    StackChildren();
}

void FormWindow::StackChildren() {
    std::vector<Stacked> items;
    std::vector<HWND> windows;
    for (const Child& child : children_) {
        if (!child.hwnd) continue;
        items.push_back({child.control->Bounds(), child.control->TabStop()});
        windows.push_back(child.hwnd);
    }
    HWND above = HWND_TOP;
    for (std::size_t index : PlanZOrder(items)) {
        SetWindowPos(windows[index], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = windows[index];
    }
}

HWND FormWindow::CreateChild(Child& child, int index) {
    const Control& control = *child.control;
    const wchar_t* className = WC_STATICW;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.TabStop() ? WS_TABSTOP : 0);
    DWORD exStyle = 0;
    switch (control.Kind()) {
    case ControlKind::Label:
        style |= SS_NOTIFY | LabelType(static_cast<const Label&>(control));
        break;
    case ControlKind::Image:
        style |= SS_NOTIFY | SS_OWNERDRAW;
        break;
    case ControlKind::ImageButton:
        className = WC_BUTTONW;
        style |= BS_OWNERDRAW;
        break;
    case ControlKind::TextBox:
        className = WC_EDITW;
        style |= ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::ComboBox:
        className = WC_COMBOBOXW;
        style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        break;
    case ControlKind::ListBox:
        className = WC_LISTBOXW;
        style |= LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::CheckBox:
        // Three states (a grayed box shows as one); a click sets the state
        // through the control (OnCommand).
        className = WC_BUTTONW;
        style |= BS_3STATE;
        break;
    case ControlKind::CommandButton:
        className = WC_BUTTONW;
        style |= BS_PUSHBUTTON;
        break;
    case ControlKind::Frame:
        className = WC_BUTTONW;
        style |= BS_GROUPBOX;
        break;
    case ControlKind::WebBrowser:
        // A container for the browser; Tab goes on into the browser's windows.
        style = (style & ~WS_TABSTOP) | WS_CLIPCHILDREN;
        exStyle = WS_EX_CONTROLPARENT;
        break;
    case ControlKind::Timer:
        return nullptr;
    }
    const std::wstring text = WindowName(control);
    const RECT r = PixelRect(control);
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                                shell_.Instance(), nullptr);
    if (!hwnd) return nullptr;
    child.hwnd = hwnd;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), FALSE);
    Subclass(child, hwnd, child.original);
    if (control.Kind() == ControlKind::ComboBox) {
        child.edit = ComboEdit(hwnd);
        if (child.edit) {
            SealChooserEdit(child.edit);
            Subclass(child, child.edit, child.editOriginal);
        }
        SizeDropDown(child);
    }
    if (control.Kind() == ControlKind::WebBrowser) {
        // Without a browser on the system the container stays empty.
        child.browser = std::make_unique<BrowserHost>();
        child.browser->Create(hwnd);
    }
    return hwnd;
}

void FormWindow::SizeDropDown(Child& child) {
    // A drop-down combo box's window height is its height when dropped: the
    // selection field plus the list.
    const auto field = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const auto item = static_cast<int>(SendMessageW(child.hwnd, CB_GETITEMHEIGHT, 0, 0));
    if (field <= 0 || item <= 0) return;
    const RECT r = PixelRect(*child.control);
    const int edges = 2 * MetricForDpi(SM_CYEDGE, dpi_) + 2;
    SetWindowPos(child.hwnd, nullptr, 0, 0, r.right - r.left,
                 field + edges + kVisibleChoices * item + edges, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child.hwnd, CB_SETMINVISIBLE, kVisibleChoices, 0);
}

void FormWindow::PushChild(Child& child, int index) {
    Control& control = *child.control;
    if (control.Revision() == child.pushed) return;
    child.pushed = control.Revision();
    PushScope scope(pushing_);
    if (control.Kind() == ControlKind::Timer) {
        PushTimer(child, index);
        return;
    }
    HWND hwnd = child.hwnd;
    if (!hwnd) return;
    switch (control.Kind()) {
    case ControlKind::Label:
        PushLabel(child);
        break;
    case ControlKind::Image:
        SetTextIfChanged(hwnd, WindowName(control));
        break;
    case ControlKind::ImageButton:
        SetTextIfChanged(hwnd, WindowName(control));
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case ControlKind::CommandButton:
    case ControlKind::Frame:
        SetTextIfChanged(hwnd, WindowName(control));
        break;
    case ControlKind::WebBrowser:
        for (const WebBrowser::Request& request : static_cast<WebBrowser&>(control).TakePending())
            if (child.browser) child.browser->Run(request);
        break;
    case ControlKind::TextBox:
        SetTextIfChanged(hwnd, static_cast<TextBox&>(control).Text());
        break;
    case ControlKind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(control);
        PushItems(child, combo.Items(), false);
        PushComboText(child);
        break;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<ListBox&>(control);
        if (PushItems(child, list.Items(), true)) FitListExtent(child);
        if (SendMessageW(hwnd, LB_GETCURSEL, 0, 0) != list.ListIndex())
            SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()), 0);
        break;
    }
    case ControlKind::CheckBox: {
        auto& check = static_cast<CheckBox&>(control);
        SetTextIfChanged(hwnd, WindowName(check));
        const int state = check.Value() == 1 ? BST_CHECKED : check.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
        SendMessageW(hwnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
        break;
    }
    default:
        break;
    }
    if ((IsWindowEnabled(hwnd) != FALSE) != control.Enabled()) {
        // A disabled window loses the focus; pass it on so that the keyboard
        // stays on the form.
        if (!control.Enabled() && GetFocus() == hwnd) {
            HWND next = GetNextDlgTabItem(Handle(), hwnd, FALSE);
            if (next && next != hwnd) SetFocus(next);
        }
        EnableWindow(hwnd, control.Enabled());
    }
    const bool visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != control.Visible()) ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
    PushToolTip(child);
    // Captions are drawn over what lies below them, and faces lie below
    // captions: both repaint the whole area they cover.
    if (control.Kind() == ControlKind::Label || control.Kind() == ControlKind::Image)
        RepaintArea(child);
}

void FormWindow::PushLabel(Child& child) {
    const auto& label = static_cast<const Label&>(*child.control);
    HWND hwnd = child.hwnd;
    SetTextIfChanged(hwnd, WindowName(label));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR type = static_cast<LONG_PTR>(LabelType(label));
    if ((style & SS_TYPEMASK) != type) SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~SS_TYPEMASK) | type);
    HFONT font = FontOf(label);
    if (reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)) != font)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

bool FormWindow::PushItems(Child& child, const std::vector<std::wstring>& items, bool list) {
    const ItemEdit edit = PlanItemEdit(child.shown, items);
    if (edit.None()) return false;
    HWND hwnd = child.hwnd;
    const UINT deleteMsg = list ? LB_DELETESTRING : CB_DELETESTRING;
    const UINT insertMsg = list ? LB_INSERTSTRING : CB_INSERTSTRING;
    const bool bulk = edit.remove + edit.insert > kBulkLines;
    if (bulk) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    if (edit.remove > 0 && edit.remove == child.shown.size()) {
        SendMessageW(hwnd, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    } else {
        for (std::size_t k = 0; k < edit.remove; ++k)
            SendMessageW(hwnd, deleteMsg, edit.at, 0);
    }
    if (edit.insert > kBulkLines) {
        std::size_t chars = 0;
        for (std::size_t k = 0; k < edit.insert; ++k) chars += items[edit.at + k].size() + 1;
        SendMessageW(hwnd, list ? LB_INITSTORAGE : CB_INITSTORAGE, edit.insert,
                     static_cast<LPARAM>(chars * sizeof(wchar_t)));
    }
    // Lines that go to the end are appended (-1); the others are inserted.
    const std::size_t keptTail = child.shown.size() - edit.at - edit.remove;
    for (std::size_t k = 0; k < edit.insert; ++k) {
        const WPARAM at = keptTail == 0 ? static_cast<WPARAM>(-1) : edit.at + k;
        SendMessageW(hwnd, insertMsg, at, reinterpret_cast<LPARAM>(items[edit.at + k].c_str()));
    }
    child.shown = items;
    if (bulk) {
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return true;
}

void FormWindow::FitListExtent(Child& child) {
    // A line wider than the list is reached by scrolling sideways: the list
    // shows its horizontal scroll bar while the widest line does not fit.
    WindowDc dc(child.hwnd);
    if (!dc.Get()) return;
    Selection font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(child.hwnd, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::wstring& line : child.shown) {
        SIZE size{};
        if (GetTextExtentPoint32W(dc.Get(), line.c_str(), static_cast<int>(line.size()), &size))
            widest = std::max(widest, size.cx);
    }
    // The list draws each line a little in from its left edge.
    const LONG extent = widest > 0 ? widest + 2 * MetricForDpi(SM_CXEDGE, dpi_) : 0;
    SendMessageW(child.hwnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

void FormWindow::PushComboText(Child& child) {
    const std::wstring& text = static_cast<ComboBox&>(*child.control).Text();
    int wanted = -1;
    for (std::size_t i = 0; i < child.shown.size(); ++i)
        if (child.shown[i] == text) {
            wanted = static_cast<int>(i);
            break;
        }
    if (SendMessageW(child.hwnd, CB_GETCURSEL, 0, 0) != wanted)
        SendMessageW(child.hwnd, CB_SETCURSEL, static_cast<WPARAM>(wanted), 0);
    SetTextIfChanged(child.hwnd, text);
}

void FormWindow::PushTimer(Child& child, int index) {
    const auto& timer = static_cast<const Timer&>(*child.control);
    const UINT_PTR id = kFirstTimerId + static_cast<std::size_t>(index);
    KillTimer(Handle(), id);
    if (timer.Enabled() && timer.Interval() > 0) SetTimer(Handle(), id, timer.Interval(), nullptr);
}

void FormWindow::PushToolTip(Child& child) {
    const std::wstring& text = child.control->ToolTipText();
    if (text.empty() && !child.tipAdded) return;
    if (!toolTip_) {
        toolTip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   shell_.Instance(), nullptr));
        if (!toolTip_) return;
        SetToolTipFont();
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // ChildProc relays the mouse to the tip (TTM_RELAYEVENT).
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (!child.tipAdded) {
        child.tipAdded = SendMessageW(toolTip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    } else {
        SendMessageW(toolTip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void FormWindow::RepaintArea(const Child& child) {
    const RECT r = PixelRect(*child.control);
    RedrawWindow(Handle(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace vantrel::win32
