// Start at log-on: the program's value `Vantrel` under the Run key, the
// executable's full path in double quotes (unquoted, a path with a blank
// would start "D:\My.exe" first). It is written per machine as it always
// was; where that has no effect (an ordinary user may not write there) the
// per-user Run key takes it instead. Only one of the two keys holds the
// value, so one log-on starts one copy. Every change is read back, so the
// window never claims what did not happen.
#pragma once

#include <optional>
#include <string>

#include "platform/Port.h"

namespace vantrel {

inline const std::wstring kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline const std::wstring kRunKeyForDelete = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::wstring kRunValue = L"Vantrel";

// The Run value for the executable: its path in double quotes.
std::wstring RunCommand(const std::wstring& exe);
// Whether a Run value starts this very executable: its path, quoted or not
// (an unquoted value is what older versions wrote), case aside.
bool NamesProgram(const std::wstring& value, const std::wstring& exe);

// On when either Run key names the executable; a value that names another
// copy counts as off.
bool StartsAtLogOn(Port& port, const std::wstring& exe);

// A `Vantrel` value a change had to remove and could not.
struct RunValueLeft {
    RegRoot root;
    std::wstring value;
};
// What a change left behind.
struct LogOnChange {
    bool on = false;                    // the executable starts at log-on now
    std::optional<RunValueLeft> left;  // a value still there beside (or instead of) ours
};
// Writes the quoted path under the first key that takes it, then removes
// the value under the other key.
LogOnChange EnableStartAtLogOn(Port& port, const std::wstring& exe);
// Removes the value under both keys.
LogOnChange DisableStartAtLogOn(Port& port, const std::wstring& exe);

}  // namespace vantrel
