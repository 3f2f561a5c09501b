// How every top-level window of the program answers a request to end from
// outside: a WM_CLOSE that is not the user's own close command (those come
// as WM_SYSCOMMAND/SC_CLOSE and are handled before they turn into WM_CLOSE),
// as taskkill, an installer or another program sends it, and the end of the
// Windows session. Left to the default handler, WM_CLOSE would destroy the
// window and every window it owns, leaving a live process with a dead icon
// that still holds the single-instance lock.
#pragma once

#include <functional>

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

// Why the program is asked to end: a close request from outside ends it
// at once; at the session's end the system sends every window the message
// and waits for each answer, so the program answers them all and ends after.
enum class EndCause { CloseRequest, SessionEnd };
// Ends the program in order: tray icon removed, then the process.
using EndRequest = std::function<void(EndCause)>;

// Answers WM_CLOSE, WM_QUERYENDSESSION and WM_ENDSESSION; false for any
// other message, which the caller handles as before.
inline bool AnswerEndMessage(UINT message, WPARAM wParam, const EndRequest& end, LRESULT& result) {
    switch (message) {
    case WM_CLOSE:
        result = 0;
        // The sender (a program that sent rather than posted it) is answered
        // before the process goes, so it never waits on a dead window.
        ::ReplyMessage(0);
        if (end) end(EndCause::CloseRequest);
        return true;
    case WM_QUERYENDSESSION:
        // Nothing is unsaved that a question could rescue: agree, show nothing.
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        // TRUE: the session ends and the process with it, any moment after
        // this returns. FALSE: the end was called off, nothing changes.
        result = 0;
        if (wParam && end) end(EndCause::SessionEnd);
        return true;
    default:
        return false;
    }
}

}  // namespace vantrel::win32
