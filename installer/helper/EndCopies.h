// Ending the running copies of one Vantrel.exe: each is asked through its own
// orderly exit (WM_CLOSE to its top-level windows) and, only when it has not
// ended within the time given, terminated.
#pragma once

#include "RunningCopies.h"

namespace vantrel::setup {

enum class EndResult {
    NoneRunning,   // no copy of that file was running
    Ended,         // every copy ended through its own exit
    Terminated,    // every copy ended, at least one terminated
    OutOfReach,    // a copy still runs: one we may not close (an elevated copy)
};

struct EndTimes {
    DWORD orderlyMs = 5000;   // for the copies to end after WM_CLOSE
    DWORD terminateMs = 3000; // for a terminated copy to be gone
};

EndResult EndRunningCopies(const std::wstring& program, const EndTimes& times = {});

}  // namespace vantrel::setup
