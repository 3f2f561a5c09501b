#include "win32/shell/controls/ChooserEdit.h"

#include <imm.h>

namespace vantrel::win32 {

void SealChooserEdit(HWND edit) {
    SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
    // Without a context the input method composes nothing for this window;
    // the composition messages are refused as well, for IMEs that ignore it.
    ImmAssociateContextEx(edit, nullptr, 0);
}

bool ChooserEditRefuses(UINT message, WPARAM wParam, bool ownPush) {
    switch (message) {
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case WM_CONTEXTMENU:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
        return true;
    case EM_SETREADONLY:
        return wParam == FALSE;
    case WM_SETTEXT:
        // The combo box sets its field from this thread. Text sent from
        // another thread (another program, an automation tool) would show
        // without telling the chooser. InSendMessage tells of the message
        // this thread is handling, not of this one: while a click sent by
        // another program (an automation tool pressing a button) runs its
        // handler, the shell's own pushes must still get through.
        return !ownPush && InSendMessage() != FALSE;
    default:
        return false;
    }
}

}  // namespace vantrel::win32
