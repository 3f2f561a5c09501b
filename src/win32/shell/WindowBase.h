// Base of the shell's own windows: a static window procedure that binds the
// object to its window on WM_NCCREATE, forwards every message to the object
// and lets no C++ exception escape into the system.
#pragma once

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

// Registers `wc` unless its instance already has a class of that name;
// false when it can do neither.
bool RegisterClassIfNew(const WNDCLASSEXW& wc);

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process (name unique to the subclass).
    static bool RegisterClassOnce(HINSTANCE instance, const wchar_t* className, HICON icon);
    HWND CreateBound(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style,
                     const wchar_t* title, int x, int y, int width, int height);
    // Unbinds the object first, so the window's last messages no longer reach
    // it, then destroys the window.
    void DestroyBound();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace vantrel::win32
