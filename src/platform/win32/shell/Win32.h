// The Windows headers the shell uses. The macros that would rename the
// Port's members (SendMessage, ShellExecute, MessageBox, ExitWindows) are
// removed; shell code calls the wide functions by their W names.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#undef SendMessage
#undef ShellExecute
#undef MessageBox
#undef ExitWindows
