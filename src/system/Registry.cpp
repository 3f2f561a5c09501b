#include "system/Registry.h"

namespace vantrel {

std::wstring GetRegString(Port& port, RegRoot root, const std::wstring& subKey,
                          const std::wstring& valueName) {
    const auto value = port.RegQuery(root, subKey, valueName);
    if (!value || value->type != kRegSz) return {};
    const auto nul = value->data.find(L'\0');
    return nul == std::wstring::npos ? value->data : value->data.substr(0, nul);
}

void SetRegString(Port& port, RegRoot root, const std::wstring& subKey,
                  const std::wstring& valueName, const std::wstring& data) {
    port.RegSetString(root, subKey, valueName, data);
}

void DeleteRegValue(Port& port, RegRoot root, const std::wstring& subKey,
                    const std::wstring& valueName) {
    port.RegDelete(root, subKey, valueName);
}

}  // namespace vantrel
