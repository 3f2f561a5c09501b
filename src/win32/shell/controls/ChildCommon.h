// What every control window shares: its creation, its text, its enabled and
// visible state, focus rectangles and repainting the area it covers.
#pragma once

#include <string>

#include "win32/shell/controls/ControlAdapter.h"

namespace vantrel::win32 {

// The styles every control window has; Tab stops at it when the control says so.
DWORD ChildStyle(const Control& control);

// Creates the control's window of class `className`, named by the adapter,
// with the adapter's font and the shell's procedure before the class's.
HWND CreateChildWindow(ControlSite& site, ChildWindow& child, const ControlAdapter& adapter,
                       const RECT& place, const wchar_t* className, DWORD style, DWORD exStyle = 0);

void SetTextIfChanged(HWND hwnd, const std::wstring& text);

// A window's name: the caption the control shows, or else its accessible name.
std::wstring CaptionOrName(const std::wstring& caption, const Control& control);

// The control's window takes its enabled and visible state. A disabled
// window loses the focus to the next control, so the keyboard stays on the form.
void PushShown(ControlSite& site, const ChildWindow& child);

// The window takes the adapter's name for the control, then its enabled and
// visible state.
void PushNamed(ControlSite& site, const ChildWindow& child, const ControlAdapter& adapter);

// The colours of a control on the form's background (check boxes, frames).
HBRUSH FormColours(ControlSite& site, HDC dc);

// Raises Click, if the control is (still) enabled when the handler runs.
void RaiseClick(ControlSite& site, Control& control);

// Redraws the form where the control lies, with what lies below it.
void RepaintArea(ControlSite& site, const ChildWindow& child);

// The dotted focus rectangle around the control's window, unless keyboard
// cues are hidden (the user works with the mouse).
void DrawFocusOf(HWND hwnd, HDC dc);

COLORREF ToColorRef(Colour c);

}  // namespace vantrel::win32

namespace vantrel::win32 {

// The focus rectangle of a caption or face comes or goes: the class does
// its part, then the form's area under the control is redrawn. True for
// the focus messages (answered with `result`).
bool RepaintOnFocus(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam,
                    LPARAM lParam, LRESULT& result);

}  // namespace vantrel::win32
