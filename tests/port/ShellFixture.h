// A real shell with real windows for the shell's tests: the Win32 port, the
// shell and an application whose forms the tests define, and helpers to run
// this thread's messages as the program's loop does and to look at windows.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "win32/port/Dpi.h"
#include "win32/port/MessagePump.h"
#include "win32/port/Win32Port.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/Gdi.h"
#include "win32/shell/Shell.h"
#include "win32/shell/WindowText.h"
#include "ui/forms/Application.h"

namespace vantrel::test {

// A form's colour as GDI reads it back.
inline COLORREF Ref(Colour c) { return RGB(c.r, c.g, c.b); }

class ShellTest : public testing::Test {
protected:
    ShellTest() {
        shell.SetApplication(&app);
        port.SetBeforeModal([this] {
            ++modalSyncs;
            shell.Sync();
        });
        Pump();  // a quit message left by an earlier test
    }

    // Handles every waiting message as the program's loop does. A quit
    // (the shell posts one when no form is loaded) is dropped.
    void Pump() {
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            if (!win32::PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }

    // Pumps for a while: the X server and Wine's desktop answer asynchronously.
    void Settle(DWORD ms = 100) {
        const ULONGLONG end = GetTickCount64() + ms;
        do {
            Pump();
            Sleep(10);
        } while (GetTickCount64() < end);
        Pump();
    }

    // Loads and shows a form, mirrored and painted.
    template <class F>
    F& Show() {
        F& form = app.Get<F>();
        form.Show();
        shell.Sync();
        Settle();
        return form;
    }

    static HWND Hwnd(const Form& form) { return reinterpret_cast<HWND>(form.hWnd()); }

    // The control's window: controls are numbered by their place in the form.
    static HWND Window(const Form& form, const Control& control) {
        const auto& all = form.Controls();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == &control)
                return GetDlgItem(Hwnd(form), win32::kFirstControlId + static_cast<int>(i));
        return nullptr;
    }

    static LONG_PTR Style(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

    // A pixel of a control as painted, in its own client coordinates.
    static COLORREF PixelOf(HWND control, int x, int y) {
        RedrawWindow(GetParent(control), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        win32::WindowDc dc(control);
        return GetPixel(dc.Get(), x, y);
    }

    // Every pixel of the control's client area, row by row.
    static std::vector<COLORREF> PixelsOf(HWND control) {
        RedrawWindow(GetParent(control), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client{};
        GetClientRect(control, &client);
        win32::WindowDc dc(control);
        std::vector<COLORREF> all;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) all.push_back(GetPixel(dc.Get(), x, y));
        return all;
    }

    // A pixel of a control its form draws itself (it has no window), as
    // painted, in the control's own coordinates; the form laid out at `dpi`
    // (0: its window's).
    static COLORREF DrawnPixelOf(const Form& form, const Control& control, int x, int y, int dpi = 0) {
        HWND hwnd = Hwnd(form);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        if (dpi == 0) dpi = win32::WindowDpi(hwnd);
        win32::WindowDc dc(hwnd);
        return GetPixel(dc.Get(), win32::TwipsToPixels(control.Bounds().left, dpi) + x,
                        win32::TwipsToPixels(control.Bounds().top, dpi) + y);
    }

    // The control's rectangle in its form's client coordinates.
    static RECT ClientRectOf(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    win32::Win32Port port;
    win32::Shell shell{GetModuleHandleW(nullptr)};
    Application app{port, &shell};
    int modalSyncs = 0;
};

}  // namespace vantrel::test
