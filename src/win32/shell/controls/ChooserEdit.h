// The edit field of a chooser (an editable drop-down combo box). A chooser
// holds only the names in its list: its edit field is read-only for good,
// has no input method, and refuses every way text could still come in.
#pragma once

#include "win32/shell/Win32.h"

namespace vantrel::win32 {

// Makes the field read-only and detaches its input method context.
void SealChooserEdit(HWND edit);

// Whether the field must not see this message: paste, cut, clear, undo, its
// own context menu, input method composition, a request to make it writable
// again, and text set from another thread. `ownPush`: the shell is putting
// the chooser's own state into its window.
bool ChooserEditRefuses(UINT message, WPARAM wParam, bool ownPush);

}  // namespace vantrel::win32
