// Start at log-on: the program's value `Vantrel` under the Run key. It is
// written per machine as it always was; where that has no effect (an
// ordinary user may not write there) the per-user Run key takes it instead.
// Every change is read back, so the window never claims what did not happen.
#pragma once

#include <string>

#include "platform/Port.h"

namespace vantrel {

inline const std::wstring kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline const std::wstring kRunKeyForDelete = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::wstring kRunValue = L"Vantrel";

// On when either Run key holds a non-empty text for the value.
bool StartsAtLogOn(Port& port);
// Stores `command` and reports whether one of the keys now holds it.
bool EnableStartAtLogOn(Port& port, const std::wstring& command);
// Deletes the value from both keys and reports whether neither holds it now.
bool DisableStartAtLogOn(Port& port);

}  // namespace vantrel
