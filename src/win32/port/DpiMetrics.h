// System metrics, window frames and the system's fonts at a given DPI, so a
// window on a monitor of another DPI than the system's gets its own sizes:
// the per-DPI user32 functions where the system has them, else the values
// the system gives at its own DPI, scaled.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

// A size metric (SM_CYEDGE, SM_CXSMICON...) at `dpi`.
int MetricForDpi(int index, int dpi);
// Grows a client rectangle to the window rectangle of that style at `dpi`.
void FrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The non-client metrics (bars, borders and the caption, menu, status and
// message fonts) at `dpi`; false when the system gives none.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// The fallbacks on their own: the system-DPI values scaled to `dpi`.
namespace scaled {
int Metric(int index, int dpi);
void Frame(RECT& rect, DWORD style, DWORD exStyle, int dpi);
bool NonClientMetrics(NONCLIENTMETRICSW& metrics, int dpi);
}  // namespace scaled

}  // namespace vantrel::win32
