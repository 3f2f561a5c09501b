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
// of the mouse. True when the message is refused.
bool RefusedWhileDisabled(const ChildWindow& child, UINT message);

// Raises MouseMove; the control still tracks the mouse itself.
void RaiseMouseMove(ControlSite& site, Control& control, WPARAM wParam, LPARAM lParam);

// A caption, face or image button: MouseDown and MouseUp, and Click for a
// left press and release on the same control (or BM_CLICK, as tools and
// tests send it). True when the message is answered.
bool RouteClickable(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vantrel::win32
