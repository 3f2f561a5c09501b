#include "win32/port/Win32Tray.h"

#include <cwchar>

#include "win32/port/Dpi.h"
#include "win32/port/DpiMetrics.h"
#include "win32/port/Trace.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kTrayClass[] = L"VantrelTray";
constexpr UINT kIconId = 1;
// The icon's events arrive as this message, the mouse message in lParam.
constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
constexpr UINT_PTR kRetryTimer = 1;
constexpr int kProgramIcon = 1;

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kIconId;
    return data;
}

}  // namespace

void TrayIcon::AllowThroughFilter(HWND window, UINT message) {
    ::ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

TrayIcon::TrayIcon(std::wstring tip, EventHandler onEvent,
                   std::function<void(const std::function<void()>&)> run, Notifier notify,
                   const MessageFilter& allow)
    : tip_(std::move(tip)),
      onEvent_(std::move(onEvent)),
      run_(std::move(run)),
      notify_(std::move(notify)) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExW(instance, kTrayClass, &wc)) {
        wc.lpfnWndProc = &TrayIcon::Procedure;
        wc.hInstance = instance;
        wc.lpszClassName = kTrayClass;
        ::RegisterClassExW(&wc);
    }
    // A hidden top-level window: broadcasts such as "TaskbarCreated" reach
    // top-level windows only, not message-only ones.
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, kTrayClass, L"Vantrel tray", WS_POPUP, 0, 0,
                                    0, 0, nullptr, nullptr, instance, this));
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    if (window_ && taskbarCreated_ != 0 && allow) allow(window_.get(), taskbarCreated_);
    // The notification area is on the primary monitor, where the window is.
    LoadPicture(WindowDpi(window_.get()));
    if (Add()) return;
    retriesLeft_ = kRetries;
    if (window_) ::SetTimer(window_.get(), kRetryTimer, kRetryMs, nullptr);
}

TrayIcon::~TrayIcon() {
    Remove();
    if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool TrayIcon::LoadPicture(int dpi) {
    UniqueIcon icon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                                    IMAGE_ICON, MetricForDpi(SM_CXSMICON, dpi),
                                                    MetricForDpi(SM_CYSMICON, dpi), 0)));
    if (!icon) return false;
    // The taskbar keeps a copy of what it was given, so the old one can go.
    icon_ = std::move(icon);
    iconDpi_ = dpi;
    return true;
}

bool TrayIcon::Add() {
    if (!window_) return false;
    NOTIFYICONDATAW data = IconData(window_.get());
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    std::wcsncpy(data.szTip, tip_.c_str(), std::size(data.szTip) - 1);
    // An icon that is still there (the taskbar was only re-created for
    // another reason) is replaced, not doubled.
    notify_(NIM_DELETE, &data);
    shown_ = notify_(NIM_ADD, &data) != FALSE;
    return shown_;
}

void TrayIcon::Remove() {
    if (!window_) return;
    ::KillTimer(window_.get(), kRetryTimer);
    NOTIFYICONDATAW data = IconData(window_.get());
    notify_(NIM_DELETE, &data);
    shown_ = false;
}

LRESULT CALLBACK TrayIcon::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrayIcon*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->Handle(hwnd, message, wParam, lParam);
    } catch (...) {
        TraceCaughtException(L"tray icon");
        return 0;
    }
}

LRESULT TrayIcon::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage && wParam == kIconId) {
        const unsigned mouse = LOWORD(lParam);
        if (onEvent_) {
            auto handler = onEvent_;
            if (run_) run_([handler, mouse] { handler(mouse); });
            else handler(mouse);
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        if (Add() || --retriesLeft_ <= 0) ::KillTimer(hwnd, kRetryTimer);
        return 0;
    }
    if (LRESULT result = 0; AnswerEndMessage(message, wParam, end_, result)) return result;
    if (message == WM_DPICHANGED || message == WM_DISPLAYCHANGE || message == WM_SETTINGCHANGE) {
        // The primary monitor's scale changed: the icon is shown at the new
        // size. (The display and settings broadcasts cover a hidden window
        // that is not told of its own DPI change.)
        const int dpi = message == WM_DPICHANGED ? HIWORD(wParam) : WindowDpi(hwnd);
        if (dpi != iconDpi_ && LoadPicture(dpi) && shown_) {
            NOTIFYICONDATAW data = IconData(hwnd);
            data.uFlags = NIF_ICON;
            data.hIcon = icon_.get();
            notify_(NIM_MODIFY, &data);
        }
        return message == WM_SETTINGCHANGE || message == WM_DISPLAYCHANGE
                   ? ::DefWindowProcW(hwnd, message, wParam, lParam)
                   : 0;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        // The new taskbar shows the icon at the scale there is now, which
        // may have changed while it was gone.
        LoadPicture(WindowDpi(hwnd));
        if (!Add()) {
            retriesLeft_ = kRetries;
            ::SetTimer(hwnd, kRetryTimer, kRetryMs, nullptr);
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TrayMouse TrayMouseOf(unsigned mouseMessage) {
    switch (mouseMessage) {
    case WM_MOUSEMOVE: return TrayMouse::Move;
    case WM_LBUTTONDOWN: return TrayMouse::LeftDown;
    case WM_LBUTTONUP: return TrayMouse::LeftUp;
    case WM_LBUTTONDBLCLK: return TrayMouse::LeftDoubleClick;
    case WM_RBUTTONDOWN: return TrayMouse::RightDown;
    case WM_RBUTTONUP: return TrayMouse::RightUp;
    case WM_RBUTTONDBLCLK: return TrayMouse::RightDoubleClick;
    default: return TrayMouse::Other;
    }
}

bool Win32Port::AddTrayIcon(const std::wstring& tip, std::function<void(TrayMouse)> onEvent) {
    auto translated = [onEvent = std::move(onEvent)](unsigned mouseMessage) {
        if (onEvent) onEvent(TrayMouseOf(mouseMessage));
    };
    tray_ = std::make_unique<TrayIcon>(tip, std::move(translated), dispatch_);
    tray_->SetEndRequest(end_);
    return tray_->Shown();
}

void Win32Port::DeleteTrayIcon() { tray_.reset(); }

}  // namespace vantrel::win32
