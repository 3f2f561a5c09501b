// The window class of images: a picture its parent draws (WM_DRAWITEM), as
// for an owner-drawn static control, that takes the mouse. It is the
// program's own class so that a form made only of pictures (the splash)
// needs neither the common controls nor the system's control classes.
#pragma once

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

inline constexpr wchar_t kPictureClass[] = L"VantrelPicture";

// Registers the class in `instance` the first time; false when it cannot.
bool RegisterPictureClass(HINSTANCE instance);

}  // namespace vantrel::win32
