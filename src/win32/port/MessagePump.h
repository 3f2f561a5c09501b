// One step of the UI thread's message loop, shared by the main loop and the
// modal loops, so that the forms' windows get the same keyboard handling
// everywhere: the dialog manager's Tab and Shift+Tab through their tab stops
// and Enter on a focused control, and Alt+letter for their menu headers.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

// The message a form's window gets for a mnemonic key (wParam: the typed
// character). It answers non-zero when one of its controls took the key.
UINT MnemonicMessage();

// Keyboard handling for forms before a message is dispatched: true when the
// message was handled (and dispatched) already.
bool PreTranslate(MSG& msg);

// Waits for the next message of this thread and handles it. False when the
// message was WM_QUIT (left in `msg`) or the wait failed.
bool PumpMessage(MSG& msg);

}  // namespace vantrel::win32
