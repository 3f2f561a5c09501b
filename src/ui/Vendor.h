// The vendor's addresses, shown and opened by several windows.
#pragma once

#include <string>

namespace vantrel {

inline const std::wstring kVendorWebAddress = L"https://www.talvorin.com";
inline const std::wstring kVendorMailAddress = L"support@talvorin.com";

}  // namespace vantrel
