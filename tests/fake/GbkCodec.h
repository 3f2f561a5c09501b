// Code page 936 (GBK) conversion for the native tests, through iconv.
#pragma once

#include <optional>
#include <string>

namespace vantrel::testing {

// Nothing when the text holds a character GBK cannot represent.
std::optional<std::string> EncodeGbk(const std::wstring& text);
// Invalid byte sequences become U+FFFD, one byte at a time.
std::wstring DecodeGbk(const std::string& bytes);

}  // namespace vantrel::testing
