// The items of a list or a chooser, mirrored with the fewest inserts and
// deletes (ItemEdit.h), without redrawing line by line when many change.
#pragma once

#include <string>
#include <vector>

#include "win32/shell/controls/ChildWindow.h"

namespace vantrel::win32 {

// The messages of one kind of item window (list box or combo box).
struct ItemMessages {
    UINT remove, insert, reset, reserve;
};
inline constexpr ItemMessages kListItems{LB_DELETESTRING, LB_INSERTSTRING, LB_RESETCONTENT, LB_INITSTORAGE};
inline constexpr ItemMessages kChooserItems{CB_DELETESTRING, CB_INSERTSTRING, CB_RESETCONTENT, CB_INITSTORAGE};

// False when the items were already shown.
bool PushItems(ChildWindow& child, const std::vector<std::wstring>& items, const ItemMessages& messages);

}  // namespace vantrel::win32
