// The one table from a control's kind to its adapter.
#include <array>
#include <cstddef>

#include "win32/shell/controls/Adapters.h"

namespace vantrel::win32 {

const ControlAdapter& AdapterFor(ControlKind kind) {
    using Entry = const ControlAdapter& (*)();
    // In the order of ControlKind.
    static const std::array<Entry, 11> table{
        &LabelAdapter,  &ImageAdapter,    &ImageButtonAdapter,   &TextBoxAdapter,
        &ChooserAdapter, &ListAdapter,    &CheckBoxAdapter,      &TimerAdapter,
        &CommandButtonAdapter, &FrameAdapter, &BrowserAdapter};
    static_assert(static_cast<std::size_t>(ControlKind::WebBrowser) + 1 == 11,
                  "one adapter for each control kind");
    return table[static_cast<std::size_t>(kind)]();
}

}  // namespace vantrel::win32
