// Dots per inch of a window and the twips/pixel conversions that use it.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

// The window's DPI (GetDpiForWindow where the system has it), else the
// screen's, else 96.
int WindowDpi(HWND window);
// The DPI the system-wide metrics are given at (the screen's), else 96.
int SystemDpi();

// Opts the process into per-monitor DPI awareness where the system offers it.
// The manifest already asks for it; this covers systems that ignore it there.
void EnablePerMonitorDpiAwareness();

inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }
inline float PixelsToTwips(int pixels, int dpi) {
    return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(dpi);
}

}  // namespace vantrel::win32
