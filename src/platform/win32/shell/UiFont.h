// The program's dialog font: a Chinese UI face at 9 points for a given DPI.
#pragma once

#include "platform/win32/shell/Gdi.h"

namespace vantrel::win32 {

// "Microsoft YaHei UI" where installed, else SimSun ("宋体"), else whatever
// face the system maps for Chinese text.
Font CreateUiFont(int dpi, int points = 9, bool bold = false);

}  // namespace vantrel::win32
