// Entry point of the shell's tests: real windows under Wine (run through
// run-with-display.sh), with COM and the common controls set up as
// Vantrel.exe sets them up.
#include <gtest/gtest.h>

#include "app/ComApartment.h"
#include "win32/shell/Win32.h"

int wmain(int argc, wchar_t** argv) {
    vantrel::win32::ComApartment com;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
