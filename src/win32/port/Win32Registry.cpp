// Registry string values through the wide functions. Every failure is silent.
#include <cstring>

#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::optional<RegValue> Win32Port::RegQuery(RegRoot root, const std::wstring& subKey,
                                            const std::wstring& valueName) {
    UniqueHKey key;
    if (::RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;

    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::string bytes(size, '\0');
    DWORD got = size;
    if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                           size ? reinterpret_cast<BYTE*>(bytes.data()) : nullptr,
                           &got) != ERROR_SUCCESS ||
        got > size)
        return std::nullopt;

    RegValue value;
    value.type = type;
    value.data.resize(got / sizeof(wchar_t));
    if (!value.data.empty()) std::memcpy(value.data.data(), bytes.data(), value.data.size() * sizeof(wchar_t));
    return value;
}

void Win32Port::RegSetString(RegRoot root, const std::wstring& subKey,
                             const std::wstring& valueName, const std::wstring& data) {
    const std::size_t byteCount = (data.size() + 1) * sizeof(wchar_t);
    if (byteCount > MAXDWORD) return;
    UniqueHKey key;
    if (::RegCreateKeyExW(RootKey(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(byteCount));
}

void Win32Port::RegDelete(RegRoot root, const std::wstring& subKey, const std::wstring& valueName) {
    UniqueHKey key;
    if (::RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueW(key.get(), valueName.c_str());
}

}  // namespace vantrel::win32
