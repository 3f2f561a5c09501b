// The running copies of one Vantrel.exe: processes of this session whose
// image is that very file, found by their image path.
#pragma once

#include "win32/port/Handles.h"

#include <string>
#include <vector>

namespace vantrel::setup {

struct RunningCopy {
    DWORD pid = 0;
    // Opened for query and, where the rights allow, for terminating.
    win32::UniqueHandle process;
    bool canTerminate = false;
};

struct RunningCopies {
    std::vector<RunningCopy> ours;
    // Processes named like the program that refused even a query (another
    // user's, or an elevated copy): their folder is unknown.
    int unreadable = 0;
};

// "<folder>\Vantrel.exe" as a full path, without doubled backslashes.
std::wstring ProgramPath(const std::wstring& folder);

// Processes of this session named as the file whose image is that file
// (same path, or the same file reached by another name).
RunningCopies FindRunningCopies(const std::wstring& program);

// True while the process has not ended.
bool StillRunning(HANDLE process);

// True when the file cannot be opened for writing because something holds it
// (a running image does): the sign of a copy we could not see.
bool FileInUse(const std::wstring& path);

}  // namespace vantrel::setup
