// Running a window modally: the program's other windows are disabled while
// a message loop of its own runs until the window is hidden or destroyed.
#include <vector>

#include "win32/port/MessagePump.h"
#include "win32/port/Trace.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

bool OwnedBy(HWND window, HWND owner) {
    for (HWND w = ::GetWindow(window, GW_OWNER); w; w = ::GetWindow(w, GW_OWNER))
        if (w == owner) return true;
    return false;
}

// Disables every enabled top-level window of this thread except the modal
// one and the windows it owns (its tool tips), and enables exactly those
// again, at the latest when it goes out of scope.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &OtherWindowsDisabled::Collect,
                            reinterpret_cast<LPARAM>(this));
        for (HWND w : disabled_) ::EnableWindow(w, FALSE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
    ~OtherWindowsDisabled() { EnableAgain(); }

    void EnableAgain() {
        for (HWND w : disabled_)
            if (::IsWindow(w)) ::EnableWindow(w, TRUE);
        disabled_.clear();
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

// While a modal window runs, watches it start to hide or be destroyed and
// enables the other windows right then: the system then activates one of
// them rather than some other program's window (as a dialog box's end
// enables its owner before hiding). Modal runs nest; each watches its own.
class EndWatch {
public:
    EndWatch(HWND modal, OtherWindowsDisabled& others)
        : modal_(modal), others_(others), outer_(innermost_) {
        innermost_ = this;
        hook_.reset(::SetWindowsHookExW(WH_CALLWNDPROC, &EndWatch::Watch, nullptr,
                                        ::GetCurrentThreadId()));
    }
    EndWatch(const EndWatch&) = delete;
    EndWatch& operator=(const EndWatch&) = delete;
    ~EndWatch() {
        hook_.reset();
        innermost_ = outer_;
    }

private:
    static bool Ends(const CWPSTRUCT& call) {
        if (call.message == WM_DESTROY) return true;
        if (call.message == WM_SHOWWINDOW) return call.wParam == FALSE;
        if (call.message == WM_WINDOWPOSCHANGING)
            return (reinterpret_cast<const WINDOWPOS*>(call.lParam)->flags & SWP_HIDEWINDOW) != 0;
        return false;
    }

    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION) {
            const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
            for (EndWatch* watch = innermost_; watch; watch = watch->outer_)
                if (call.hwnd == watch->modal_ && Ends(call)) watch->others_.EnableAgain();
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static thread_local EndWatch* innermost_;
    HWND modal_;
    OtherWindowsDisabled& others_;
    EndWatch* outer_;
    UniqueHook hook_;
};

thread_local EndWatch* EndWatch::innermost_ = nullptr;

}  // namespace

void Win32Port::RunModal(WindowHandle window) {
    if (beforeModal_) beforeModal_();
    HWND modal = reinterpret_cast<HWND>(window);
    if (!::IsWindow(modal)) return;
    HWND previous = ::GetForegroundWindow();
    if (!::IsWindowVisible(modal)) ::ShowWindow(modal, SW_SHOW);
    {
        OtherWindowsDisabled others(modal);
        EndWatch watch(modal, others);
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

}  // namespace vantrel::win32
