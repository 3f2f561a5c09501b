// Why a file operation failed, in words for the user.
#pragma once

#include <string>

namespace vantrel::win32 {

// A Chinese reason for the common failures (no permission, disk full, file in
// use, missing folder); otherwise the system's own message with its code.
std::wstring FileErrorReason(unsigned long errorCode);

extern const wchar_t kUnencodableReason[];

}  // namespace vantrel::win32
