#include "win32/port/DpiMetrics.h"

#include <initializer_list>

#include "win32/port/Dpi.h"
#include "win32/port/UserFunction.h"

namespace vantrel::win32 {
namespace {

using MetricsFn = int(WINAPI*)(int, UINT);
using FrameFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// Windows 10 1607 and Wine 5 on have all three.
const MetricsFn kMetricsForDpi = UserFunction<MetricsFn>("GetSystemMetricsForDpi");
const FrameFn kFrameForDpi = UserFunction<FrameFn>("AdjustWindowRectExForDpi");
const ParametersFn kParametersForDpi = UserFunction<ParametersFn>("SystemParametersInfoForDpi");

int Scale(int value, int dpi) { return MulDiv(value, dpi, SystemDpi()); }

// Lines and edges drawn one or two pixels wide keep that width at any DPI.
bool KeepsItsSize(int index) {
    switch (index) {
    case SM_CXBORDER: case SM_CYBORDER:
    case SM_CXEDGE: case SM_CYEDGE:
    case SM_CXFIXEDFRAME: case SM_CYFIXEDFRAME:
    case SM_CXFOCUSBORDER: case SM_CYFOCUSBORDER:
        return true;
    default:
        return false;
    }
}

// Bars whose height is a scaled part plus a border line that is not.
bool HasBorderLine(int index) {
    return index == SM_CYCAPTION || index == SM_CYSMCAPTION || index == SM_CYMENU;
}

void ScaleFont(LOGFONTW& font, int dpi) { font.lfHeight = Scale(font.lfHeight, dpi); }

NONCLIENTMETRICSW EmptyMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    return metrics;
}

}  // namespace

int MetricForDpi(int index, int dpi) {
    if (kMetricsForDpi) return kMetricsForDpi(index, static_cast<UINT>(dpi));
    return scaled::Metric(index, dpi);
}

void FrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    if (kFrameForDpi && kFrameForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
    scaled::Frame(rect, style, exStyle, dpi);
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
    if (kParametersForDpi) {
        metrics = EmptyMetrics();
        if (kParametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
            return true;
    }
    return scaled::NonClientMetrics(metrics, dpi);
}

namespace scaled {

int Metric(int index, int dpi) {
    const int value = GetSystemMetrics(index);
    if (KeepsItsSize(index)) return value;
    if (HasBorderLine(index)) {
        const int line = GetSystemMetrics(SM_CYBORDER);
        return Scale(value - line, dpi) + line;
    }
    return Scale(value, dpi);
}

void Frame(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    // A fixed frame keeps its width; the caption bar grows.
    if ((style & WS_CAPTION) == WS_CAPTION) {
        const int caption = (exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION;
        rect.top -= Metric(caption, dpi) - GetSystemMetrics(caption);
    }
}

bool NonClientMetrics(NONCLIENTMETRICSW& metrics, int dpi) {
    metrics = EmptyMetrics();
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    for (int* size : {&metrics.iBorderWidth, &metrics.iScrollWidth, &metrics.iScrollHeight,
                      &metrics.iCaptionWidth, &metrics.iCaptionHeight, &metrics.iSmCaptionWidth,
                      &metrics.iSmCaptionHeight, &metrics.iMenuWidth, &metrics.iMenuHeight,
                      &metrics.iPaddedBorderWidth})
        *size = Scale(*size, dpi);
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        ScaleFont(*font, dpi);
    return true;
}

}  // namespace scaled
}  // namespace vantrel::win32
