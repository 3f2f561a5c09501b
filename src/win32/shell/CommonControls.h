// The common controls (comctl32, version 6 by the manifest), loaded and
// initialised before the first control window of any form is made rather
// than at start: a program that only sits in the tray never needs them.
#pragma once

namespace vantrel::win32 {

// Loads and initialises the classes the forms' controls use; later calls do
// nothing. Safe to call before every batch of control windows.
void EnsureCommonControls();

}  // namespace vantrel::win32
