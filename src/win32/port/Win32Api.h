// The Windows headers the port uses, without the macros that would rename the
// Port's own members (SendMessage, ShellExecute, MessageBox, ExitWindows):
// code here calls the wide functions by their W names.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef SendMessage
#undef ShellExecute
#undef MessageBox
#undef ExitWindows
#undef PlaySound
