// Running a window modally: the program's other windows are disabled while
// a message loop of its own runs until the window is hidden or destroyed.
#include <vector>

#include "platform/win32/port/MessagePump.h"
#include "platform/win32/port/Trace.h"
#include "platform/win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

bool OwnedBy(HWND window, HWND owner) {
    for (HWND w = ::GetWindow(window, GW_OWNER); w; w = ::GetWindow(w, GW_OWNER))
        if (w == owner) return true;
    return false;
}

// Disables every enabled top-level window of this thread except the modal
// one and the windows it owns (its tool tips), and enables exactly those
// again when it goes out of scope.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &OtherWindowsDisabled::Collect,
                            reinterpret_cast<LPARAM>(this));
        for (HWND w : disabled_) ::EnableWindow(w, FALSE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
    ~OtherWindowsDisabled() {
        for (HWND w : disabled_)
            if (::IsWindow(w)) ::EnableWindow(w, TRUE);
    }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        auto& me = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window == me.modal_ || !::IsWindowEnabled(window) || OwnedBy(window, me.modal_))
            return TRUE;
        try {
            me.disabled_.push_back(window);
        } catch (...) {
            TraceCaughtException(L"RunModal");
            return FALSE;
        }
        return TRUE;
    }

    HWND modal_;
    std::vector<HWND> disabled_;
};

}  // namespace

void Win32Port::RunModal(WindowHandle window) {
    if (beforeModal_) beforeModal_();
    HWND modal = reinterpret_cast<HWND>(window);
    if (!::IsWindow(modal)) return;
    HWND previous = ::GetForegroundWindow();
    if (!::IsWindowVisible(modal)) ::ShowWindow(modal, SW_SHOW);
    {
        OtherWindowsDisabled others(modal);
        MSG msg{};
        while (::IsWindow(modal) && ::IsWindowVisible(modal)) {
            if (PumpMessage(msg)) continue;
            // The quit is for the outer loop too.
            if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
    }
    if (previous && previous != modal && ::IsWindow(previous) && ::IsWindowVisible(previous))
        ::SetForegroundWindow(previous);
}

void Win32Port::ReleaseCapture() { ::ReleaseCapture(); }

}  // namespace vantrel::win32
