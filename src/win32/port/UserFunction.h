// user32 functions looked up by name at run time, so that the program still
// starts on systems (older Windows, older Wine) that lack them.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

// The exported function of that name cast to Function, or nullptr.
template <class Function>
Function UserFunction(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace vantrel::win32
