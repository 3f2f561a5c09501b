// The state of the keyboard and mouse as the forms' events report it.
#pragma once

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

// The shift argument: 1 Shift, 2 Ctrl, 4 Alt.
inline int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

// The buttons held during a mouse move: 1 left, 2 right, 4 middle.
inline int HeldButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
           ((keys & MK_MBUTTON) ? 4 : 0);
}

}  // namespace vantrel::win32
