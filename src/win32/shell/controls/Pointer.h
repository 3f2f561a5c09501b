// The mouse on controls that raise mouse events (captions, faces, image
// buttons, lists); the other kinds answer the mouse themselves and report
// through notifications.
#pragma once

#include "win32/shell/controls/ControlAdapter.h"

namespace vantrel::win32 {

// The button a press or release is of: 1 left, 2 right, 4 middle (0 other).
int ButtonOf(UINT message);
bool IsButtonDown(UINT message);
bool IsButtonUp(UINT message);
bool IsMouseMessage(UINT message);

// The event's arguments: shift state and the point in twips (no button).
MouseArgs MouseArgsAt(ControlSite& site, LPARAM lParam);

// A disabled control raises nothing; a press it took while enabled lets go
// of the mouse (held by `holder`). True when the message is refused.
bool RefusedWhileDisabled(const ChildWindow& child, HWND holder, UINT message);

// Raises MouseMove; the control still tracks the mouse itself.
void RaiseMouseMove(ControlSite& site, Control& control, WPARAM wParam, LPARAM lParam);

// Where a control takes the mouse: the window that holds it from a press to
// the release (the control's own, or the form for a control it draws), and
// the control's area in the coordinates of the messages.
struct MouseHolder {
    HWND window = nullptr;
    RECT area{};
};

// A caption, face or image button: MouseDown and MouseUp, and Click for a
// left press and release on the same control (or BM_CLICK, as tools and
// tests send it). True when the message is answered.
bool RouteClickable(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam, LPARAM lParam,
                    const MouseHolder& holder);
// The same for a control window, which holds its own mouse.
bool RouteClickable(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vantrel::win32
