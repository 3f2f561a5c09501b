#include "ui/settings/StartAtLogOn.h"

#include "system/Registry.h"

namespace vantrel {

bool StartsAtLogOn(Port& port) {
    return !GetRegString(port, RegRoot::LocalMachine, kRunKey, kRunValue).empty() ||
           !GetRegString(port, RegRoot::CurrentUser, kRunKey, kRunValue).empty();
}

bool EnableStartAtLogOn(Port& port, const std::wstring& command) {
    SetRegString(port, RegRoot::LocalMachine, kRunKey, kRunValue, command);
    if (GetRegString(port, RegRoot::LocalMachine, kRunKey, kRunValue) == command) return true;
    SetRegString(port, RegRoot::CurrentUser, kRunKey, kRunValue, command);
    return GetRegString(port, RegRoot::CurrentUser, kRunKey, kRunValue) == command;
}

bool DisableStartAtLogOn(Port& port) {
    DeleteRegValue(port, RegRoot::LocalMachine, kRunKeyForDelete, kRunValue);
    DeleteRegValue(port, RegRoot::CurrentUser, kRunKeyForDelete, kRunValue);
    return !StartsAtLogOn(port);
}

}  // namespace vantrel
