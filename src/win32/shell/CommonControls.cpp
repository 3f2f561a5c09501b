#include "win32/shell/CommonControls.h"

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

void EnsureCommonControls() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    // comctl32 is imported with delayed loading: this first call loads it,
    // in the program's activation context, so it is version 6.
    done = InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace vantrel::win32
