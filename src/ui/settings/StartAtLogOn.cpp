#include "ui/settings/StartAtLogOn.h"

#include "system/Registry.h"

namespace vantrel {
namespace {

constexpr RegRoot kRoots[] = {RegRoot::LocalMachine, RegRoot::CurrentUser};

std::wstring RunValueAt(Port& port, RegRoot root) {
    return GetRegString(port, root, kRunKey, kRunValue);
}

// Paths on Windows compare without regard to case; the letters that differ
// in practice are the Latin ones.
wchar_t FoldCase(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

bool SamePath(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

// Removes the value under `root` and says what stays there.
std::optional<RunValueLeft> Remove(Port& port, RegRoot root) {
    DeleteRegValue(port, root, kRunKeyForDelete, kRunValue);
    std::wstring left = RunValueAt(port, root);
    if (left.empty()) return std::nullopt;
    return RunValueLeft{root, std::move(left)};
}

}  // namespace

std::wstring RunCommand(const std::wstring& exe) { return L"\"" + exe + L"\""; }

bool NamesProgram(const std::wstring& value, const std::wstring& exe) {
    std::wstring path = value;
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return !exe.empty() && SamePath(path, exe);
}

bool StartsAtLogOn(Port& port, const std::wstring& exe) {
    for (RegRoot root : kRoots)
        if (NamesProgram(RunValueAt(port, root), exe)) return true;
    return false;
}

LogOnChange EnableStartAtLogOn(Port& port, const std::wstring& exe) {
    const std::wstring command = RunCommand(exe);
    for (RegRoot root : kRoots) {
        SetRegString(port, root, kRunKey, kRunValue, command);
        if (RunValueAt(port, root) != command) continue;
        const RegRoot other = root == RegRoot::LocalMachine ? RegRoot::CurrentUser : RegRoot::LocalMachine;
        return {true, Remove(port, other)};
    }
    return {};
}

LogOnChange DisableStartAtLogOn(Port& port, const std::wstring& exe) {
    LogOnChange change;
    for (RegRoot root : kRoots)
        if (auto left = Remove(port, root)) {
            change.on = change.on || NamesProgram(left->value, exe);
            change.left = std::move(left);
        }
    return change;
}

}  // namespace vantrel
