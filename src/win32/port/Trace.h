// Tracing for a debugger or DebugView to show: exceptions caught where the
// system called us, and how long a window took to come up.
#pragma once

namespace vantrel::win32 {

// Writes "Vantrel: <where>: <what>" for the exception being handled (call it
// only inside a catch block) with OutputDebugStringW.
void TraceCaughtException(const wchar_t* where) noexcept;

// Writes "Vantrel: shown <caption> <ms> ms after its event": the time from
// the start of the event that showed a window (a key poll's tick, a click)
// to the window shown and painted. The benchmark reads it.
void TraceShown(const wchar_t* caption, double milliseconds) noexcept;

}  // namespace vantrel::win32
