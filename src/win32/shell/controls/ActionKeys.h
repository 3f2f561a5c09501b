// Enter and Space on a focused caption, face or button that Tab stops at:
// they click it. (Outside a dialog box the dialog manager would send Enter
// to the form as its default button's command, not to the focused control.)
#pragma once

#include "win32/shell/controls/ControlAdapter.h"

namespace vantrel::win32 {

// True when the key message is answered (`result`).
bool RouteActionKeys(ControlSite& site, ChildWindow& child, UINT message, WPARAM wParam,
                     LPARAM lParam, LRESULT& result);

}  // namespace vantrel::win32
