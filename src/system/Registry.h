// Silent helpers for string values of the registry: a failed read yields the
// empty text, a failed write or delete does nothing.
#pragma once

#include <string>

#include "platform/Port.h"

namespace vantrel {

// The REG_SZ value's text cut at its first NUL; empty when the key or value is
// missing or the value is of any other type (REG_EXPAND_SZ included).
std::wstring GetRegString(Port& port, RegRoot root, const std::wstring& subKey,
                          const std::wstring& valueName);
// Stores the text as REG_SZ, creating missing levels of the key.
void SetRegString(Port& port, RegRoot root, const std::wstring& subKey,
                  const std::wstring& valueName, const std::wstring& data);
// Deletes the value; a missing value or key is no error.
void DeleteRegValue(Port& port, RegRoot root, const std::wstring& subKey,
                    const std::wstring& valueName);

}  // namespace vantrel
