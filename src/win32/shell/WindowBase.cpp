#include "win32/shell/WindowBase.h"

#include "win32/port/Trace.h"

namespace vantrel::win32 {

WindowBase::~WindowBase() { DestroyBound(); }

bool RegisterClassIfNew(const WNDCLASSEXW& wc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
    return RegisterClassExW(&wc) != 0;
}

bool WindowBase::RegisterClassOnce(HINSTANCE instance, const wchar_t* className, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &WindowBase::Procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return RegisterClassIfNew(wc);
}

HWND WindowBase::CreateBound(HINSTANCE instance, const wchar_t* className, DWORD exStyle,
                             DWORD style, const wchar_t* title, int x, int y, int width,
                             int height) {
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, nullptr,
                           nullptr, instance, this);
}

void WindowBase::DestroyBound() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<WindowBase*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's frames; the message simply
        // gets no answer of ours.
        TraceCaughtException(L"window procedure");
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace vantrel::win32
