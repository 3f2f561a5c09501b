#include "win32/port/MessagePump.h"

namespace vantrel::win32 {
namespace {

// The forms' windows are control parents; message boxes and common dialogs
// run loops of their own, and other top-level windows of the thread (tool
// tips, menus) take no part in the dialog manager.
HWND FormOf(HWND hwnd) {
    if (!hwnd) return nullptr;
    HWND root = ::GetAncestor(hwnd, GA_ROOT);
    if (!root || !(::GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return nullptr;
    return root;
}

// A plain character goes to the control with the focus when it takes
// characters; otherwise it is a mnemonic, as in dialogs.
bool FocusTakesChars(MSG& msg) {
    const LRESULT code = ::SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam,
                                        reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) != 0;
}

}  // namespace

UINT MnemonicMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Vantrel.Mnemonic");
    return message;
}

bool PreTranslate(MSG& msg) {
    HWND form = FormOf(msg.hwnd);
    if (!form) return false;
    const bool mnemonic =
        msg.message == WM_SYSCHAR || (msg.message == WM_CHAR && !FocusTakesChars(msg));
    if (mnemonic && ::SendMessageW(form, MnemonicMessage(), msg.wParam, 0) != 0) return true;
    return ::IsDialogMessageW(form, &msg) != FALSE;
}

bool PumpMessage(MSG& msg) {
    msg = MSG{};
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return false;
    if (got < 0) {
        msg = MSG{};
        return false;
    }
    if (!PreTranslate(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace vantrel::win32
