// The form's top-level window: creation, size, shape and place, form-level
// state and the messages that concern the whole window.
#include "win32/shell/FormWindow.h"

#include <algorithm>

#include "win32/port/Dpi.h"
#include "win32/port/DpiMetrics.h"
#include "win32/port/MessagePump.h"
#include "win32/port/Trace.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/Shell.h"
#include "win32/shell/WindowText.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"VantrelForm";

DWORD FormStyle(const Form& form) {
    const DWORD frame = form.Borderless() ? WS_POPUP : (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    return frame | WS_CLIPCHILDREN;
}

// Control parent: the dialog manager walks the form's controls for Tab.
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// A hot-tracked control (a button) under the pointer asked the system to
// tell it when the mouse leaves. Its form hidden, the mouse has left: the
// control is told so and the tracking ends, which Wine would otherwise keep
// polling, hit-testing the hidden control many times a second.
void EndMouseTracking(HWND form) {
    TRACKMOUSEEVENT tracking{};
    tracking.cbSize = sizeof tracking;
    tracking.dwFlags = TME_QUERY;
    if (!TrackMouseEvent(&tracking) || !tracking.hwndTrack) return;
    HWND tracked = tracking.hwndTrack;
    if (tracked != form && !IsChild(form, tracked)) return;
    const DWORD kinds = tracking.dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
    if (!kinds) return;
    tracking.dwFlags = TME_CANCEL | kinds;
    TrackMouseEvent(&tracking);
    if (kinds & TME_LEAVE) SendMessageW(tracked, (kinds & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

}  // namespace

FormWindow::FormWindow(Shell& shell, Form& form)
    : shell_(shell), form_(form), bitmaps_(shell.Instance()) {}

FormWindow::~FormWindow() { Close(); }

bool FormWindow::Create() {
    HINSTANCE instance = shell_.Instance();
    auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                               0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!RegisterClassOnce(instance, kFormClass, icon)) return false;
    if (!CreateBound(instance, kFormClass, kFormExStyle, FormStyle(form_),
                     form_.Caption().c_str(), 0, 0, 100, 100))
        return false;
    form_.AttachHandle(reinterpret_cast<WindowHandle>(Handle()));
    if (HWND owner = shell_.OwnerFor(form_)) SetOwner(owner);
    dpi_ = WindowDpi(Handle());
    fonts_ = FontCache(dpi_);
    ListChildren();
    Layout(dpi_);
    Push();
    return true;
}

void FormWindow::Close() {
    if (closed_) return;
    closed_ = true;
    if (!Handle()) return;
    toolTip_.reset();
    // Timers stop, and browsers let go of their windows before those are destroyed.
    for (Child& child : children_) AdapterFor(child.control->Kind()).Close(*this, child);
    DestroyBound();
    bitmaps_.Clear();
}

void FormWindow::SetOwner(HWND owner) {
    HWND hwnd = Handle();
    HWND old = hwnd ? GetWindow(hwnd, GW_OWNER) : nullptr;
    if (!hwnd || old == owner) return;
    // The taskbar looks at a window when it is shown: only a window that
    // gains or loses an owner gains or loses its button.
    const bool visible = IsWindowVisible(hwnd) != FALSE && (old == nullptr) != (owner == nullptr);
    if (visible) ShowWindow(hwnd, SW_HIDE);
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    if (visible) ShowWindow(hwnd, SW_SHOWNA);
}

void FormWindow::Push() {
    if (closed_ || !Handle()) return;
    for (Child& child : children_) PushChild(child);
    PushForm(false);
}

void FormWindow::PushForm(bool force) {
    if (!force && form_.Revision() == formPushed_) return;
    formPushed_ = form_.Revision();
    HWND hwnd = Handle();
    if (WindowText(hwnd) != form_.Caption()) SetWindowTextW(hwnd, form_.Caption().c_str());
    if (!backBrush_ || !(form_.BackColor() == backShown_)) {
        backShown_ = form_.BackColor();
        backBrush_.reset(CreateSolidBrush(ToColorRef(backShown_)));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    // Only a change of the form's own state touches the window: a modal
    // loop may have disabled it meanwhile and enables it again itself.
    if (form_.Enabled() != enabledShown_) {
        enabledShown_ = form_.Enabled();
        EnableWindow(hwnd, enabledShown_);
    }
    if (form_.CornerRadius() != cornerShown_) ApplyCorners();
    const bool visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (form_.Visible() && !visible) {
        CreateChildWindows();
        if (!shownOnce_) CentreOnWorkArea();
        shownOnce_ = true;
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        TraceShown(form_.Caption().c_str(), shell_.MillisecondsIntoEvent());
    } else if (!form_.Visible() && visible) {
        ShowWindow(hwnd, SW_HIDE);
        EndMouseTracking(hwnd);
    }
}

void FormWindow::ApplyCorners() {
    cornerShown_ = form_.CornerRadius();
    HWND hwnd = Handle();
    if (cornerShown_ <= 0) {
        SetWindowRgn(hwnd, nullptr, TRUE);
        return;
    }
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int diameter = 2 * TwipsToPixels(cornerShown_, dpi_);
    // The region's right and bottom edges are exclusive; the window owns it
    // once set, so it is not deleted here.
    HRGN shape = CreateRoundRectRgn(0, 0, window.right - window.left + 1,
                                    window.bottom - window.top + 1, diameter, diameter);
    if (shape && !SetWindowRgn(hwnd, shape, TRUE)) DeleteObject(shape);
}

SIZE FormWindow::FrameSize(int dpi) const {
    const Rect& client = form_.ClientBounds();
    RECT frame{0, 0, TwipsToPixels(client.width, dpi), TwipsToPixels(client.height, dpi)};
    FrameForDpi(frame, FormStyle(form_), kFormExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormWindow::Layout(int dpi, const RECT* place) {
    dpi_ = dpi;
    // The controls take the new fonts before the old ones are deleted.
    FontCache old = std::move(fonts_);
    fonts_ = FontCache(dpi_);
    HWND hwnd = Handle();
    if (place) {
        SetWindowPos(hwnd, nullptr, place->left, place->top, place->right - place->left,
                     place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = FrameSize(dpi_);
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitClientArea();
    // Icons and control windows exist once the window was first shown.
    if (childWindowsMade_) {
        SetIcons();
        FitChildren();
    }
    SetToolTipFont();
    if (form_.CornerRadius() > 0 || cornerShown_ > 0) ApplyCorners();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::FitChildren() {
    for (Child& child : children_) {
        if (!child.hwnd) continue;
        const ControlAdapter& adapter = AdapterFor(child.control->Kind());
        SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(adapter.Font(*this, *child.control)), FALSE);
        const RECT r = PixelRect(child.control->Bounds());
        SetWindowPos(child.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        adapter.Fit(*this, child);
    }
}

void FormWindow::FitClientArea() {
    // The frame the system really draws decides: a suggested rectangle or a
    // frame computed for a DPI the system does not draw at may be off by a
    // few pixels, and the skin is drawn to the layout's size.
    HWND hwnd = Handle();
    const Rect& layout = form_.ClientBounds();
    RECT client{}, window{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &window);
    const int dx = TwipsToPixels(layout.width, dpi_) - client.right;
    const int dy = TwipsToPixels(layout.height, dpi_) - client.bottom;
    if (dx == 0 && dy == 0) return;
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetIcons() {
    HWND hwnd = Handle();
    // Made at the sizes this DPI asks for, not shrunk from the system's.
    auto load = [this](int widthMetric, int heightMetric) {
        return Icon(static_cast<HICON>(LoadImageW(shell_.Instance(), MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                                  MetricForDpi(widthMetric, dpi_),
                                                  MetricForDpi(heightMetric, dpi_), 0)));
    };
    Icon big = load(SM_CXICON, SM_CYICON), small = load(SM_CXSMICON, SM_CYSMICON);
    if (!big || !small) return;
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void FormWindow::SetToolTipFont() {
    if (!toolTip_) return;
    NONCLIENTMETRICSW metrics{};
    if (!NonClientMetricsForDpi(metrics, dpi_)) return;
    Font font(CreateFontIndirectW(&metrics.lfStatusFont));
    if (!font) return;
    SendMessageW(toolTip_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    tipFont_ = std::move(font);
}

void FormWindow::CentreOnWorkArea() {
    HWND hwnd = Handle();
    RECT window{};
    GetWindowRect(hwnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
    // The work area leaves out the taskbar. A window larger than it (a big
    // form at a high DPI on a small screen) keeps its caption bar and left
    // edge on the screen.
    const RECT& work = monitor.rcWork;
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int x = work.left + std::max(0, static_cast<int>(work.right - work.left - width) / 2);
    const int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT FormWindow::PixelRect(const Rect& b) const {
    const int left = TwipsToPixels(b.left, dpi_), top = TwipsToPixels(b.top, dpi_);
    return {left, top, left + TwipsToPixels(b.width, dpi_), top + TwipsToPixels(b.height, dpi_)};
}

HINSTANCE FormWindow::Instance() const { return shell_.Instance(); }


void FormWindow::Dispatch(const std::function<void()>& handlers) { shell_.Dispatch(handlers); }

void FormWindow::MirrorAgain(ChildWindow& child) {
    child.pushed = 0;
    shell_.WalkNextPass();
}

FormWindow::Child* FormWindow::ChildById(int id) {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(children_.size())) return nullptr;
    return &children_[static_cast<std::size_t>(index)];
}

FormWindow::Child* FormWindow::ChildOf(HWND hwnd) {
    for (Child& child : children_)
        if (child.hwnd == hwnd || (child.edit && child.edit == hwnd)) return &child;
    return nullptr;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Unloaded windows are freed only after this message, however it ends.
    Shell::Busy busy(shell_);
    // A close request from outside (WM_CLOSE) and the session's end.
    if (LRESULT result = 0; AnswerEndMessage(message, wParam, [this](EndCause cause) { shell_.RequestEnd(cause); }, result))
        return result;
    if (message == MnemonicMessage()) return OnMnemonic(static_cast<wchar_t>(wParam)) ? 1 : 0;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT: {
        // A picture of the window (PrintWindow): the background and the
        // controls the form draws; the control windows print themselves.
        RECT client{};
        GetClientRect(Handle(), &client);
        if (lParam & PRF_ERASEBKGND) FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_.get());
        DrawControls(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP:
        if (OnFormMouse(message, wParam, lParam)) return 0;
        break;
    case WM_CAPTURECHANGED:
        mouseOwner_ = nullptr;
        break;
    case WM_ACTIVATE:
        // As dialog boxes do: the control that had the focus gets it back
        // when the window is active again (after a message box, say).
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus_ = focus && IsChild(Handle(), focus) ? focus : nullptr;
        } else if (lastFocus_ && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
                   IsWindowEnabled(lastFocus_) && !IsIconic(Handle())) {
            SetFocus(lastFocus_);
            return 0;
        } else if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) {
            // First activation: the first control in Tab order, as in a dialog.
            SetFocus(first);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CLOSE) break;
        // The close box or Alt+F4: the form decides, and may refuse. Not
        // passed on, so it never becomes a WM_CLOSE.
        shell_.UnloadByUser(form_);
        return 0;
    case WM_GETDPISCALEDSIZE: {
        // The size at the new DPI is the layout's, not the old size scaled,
        // so the rectangle WM_DPICHANGED suggests fits it exactly.
        *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<int>(wParam));
        return TRUE;
    }
    case WM_DPICHANGED:
        // Moved to a monitor of another DPI: the suggested rectangle keeps
        // the window where the user put it and off the monitor it left.
        Layout(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vantrel::win32
