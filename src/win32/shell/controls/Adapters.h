// The adapter of each control kind (controls/<Kind>.cpp), for the table.
#pragma once

#include "win32/shell/controls/ControlAdapter.h"

namespace vantrel::win32 {

const ControlAdapter& LabelAdapter();
const ControlAdapter& ImageAdapter();
const ControlAdapter& ImageButtonAdapter();
const ControlAdapter& TextBoxAdapter();
const ControlAdapter& ChooserAdapter();
const ControlAdapter& ListAdapter();
const ControlAdapter& CheckBoxAdapter();
const ControlAdapter& TimerAdapter();
const ControlAdapter& CommandButtonAdapter();
const ControlAdapter& FrameAdapter();
const ControlAdapter& BrowserAdapter();

}  // namespace vantrel::win32
