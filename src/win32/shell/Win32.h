// The Windows headers the shell uses: the port's set (without the macros that
// would rename the Port's members) plus the common controls.
#pragma once

#include "win32/port/Win32Api.h"

#include <commctrl.h>
#include <windowsx.h>
