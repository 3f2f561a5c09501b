// The call that asks Windows to end the session. The port tests put a
// recorder in its place to see the request, and the privileges the process
// holds at that moment, without ending their own session.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

using ExitWindowsCall = BOOL(WINAPI*)(UINT flags, DWORD reason);

// Makes Win32Port::ExitWindows call `call` instead of ::ExitWindowsEx
// (nullptr: ::ExitWindowsEx again); returns the call it replaces.
ExitWindowsCall ReplaceExitWindowsCall(ExitWindowsCall call);

}  // namespace vantrel::win32
