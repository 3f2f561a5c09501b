// Tracing of failures that must not stop the program, for a debugger or
// DebugView to show: exceptions caught where the system called us.
#pragma once

namespace vantrel::win32 {

// Writes "Vantrel: <where>: <what>" for the exception being handled (call it
// only inside a catch block) with OutputDebugStringW.
void TraceCaughtException(const wchar_t* where) noexcept;

}  // namespace vantrel::win32
