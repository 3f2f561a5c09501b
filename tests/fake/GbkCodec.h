// Code page 936 (GBK) conversion for the native tests, through iconv.
#pragma once

#include <optional>
#include <string>

namespace vantrel::testing {

// Nothing when the text holds a character GBK cannot represent.
std::optional<std::string> EncodeGbk(const std::wstring& text);
// Invalid byte sequences become U+FFFD, one byte at a time.
std::wstring DecodeGbk(const std::string& bytes);
// Exactly the sequences code page 936 reads (Cp936Rules.h), else nothing.
// A double-byte character iconv has no name for (the user-defined areas)
// stands as U+F0000 plus its two bytes, which EncodeGbk writes back.
std::optional<std::wstring> DecodeGbkExact(const std::string& bytes);

}  // namespace vantrel::testing
