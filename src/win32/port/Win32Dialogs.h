// Building blocks of the port's modal calls, kept apart so that tests can
// look at what would be shown without showing it.
#pragma once

#include <string>
#include <vector>

#include "platform/Port.h"
#include "win32/port/Handles.h"

namespace vantrel::win32 {

// "desc|pattern|desc|pattern" as the open-file dialog wants its filter:
// NUL-separated strings ending in two NULs. Empty for an empty filter.
std::wstring FileDialogFilter(const std::wstring& filter);

// The popup menu for these items (wide calls throughout): separators,
// captions with "\t" and the shortcut, check marks, grayed disabled items and
// submenus for items with children. Empty when the menu cannot be made.
UniqueMenu BuildPopupMenu(const std::vector<PopupItem>& items);

}  // namespace vantrel::win32
