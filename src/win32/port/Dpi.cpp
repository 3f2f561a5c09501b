#include "win32/port/Dpi.h"

#include "win32/port/UserFunction.h"

namespace vantrel::win32 {

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int SystemDpi() {
    if (HDC screen = GetDC(nullptr)) {
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        if (dpi > 0) return dpi;
    }
    return kDefaultDpi;
}

void EnablePerMonitorDpiAwareness() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = UserFunction<SetContextFn>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then the first version.
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)))) return;
    }
    using SetAwareFn = BOOL(WINAPI*)();
    if (auto setAware = UserFunction<SetAwareFn>("SetProcessDPIAware")) setAware();
}

}  // namespace vantrel::win32
