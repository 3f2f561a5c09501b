// Identifiers the shell gives its windows, timers and resources.
#pragma once

#include <cstddef>

namespace vantrel::win32 {

// Control windows are numbered from here by their index in the form.
constexpr int kFirstControlId = 1000;
// Timers of a form's window, likewise by the timer control's index.
constexpr std::size_t kFirstTimerId = 1;
// The program icon in the resources.
constexpr int kProgramIcon = 1;

}  // namespace vantrel::win32
