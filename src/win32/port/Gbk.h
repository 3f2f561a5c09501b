// Code page 936 (GBK), the encoding of the program's files.
#pragma once

#include <optional>
#include <string>

namespace vantrel::win32 {

// Any byte sequence decodes; bytes that are not GBK become replacement characters.
std::wstring DecodeGbk(const std::string& bytes);

// Nothing unless every sequence is GBK and the text encodes back to exactly
// these bytes (MB_ERR_INVALID_CHARS, then a check on the way back).
std::optional<std::wstring> DecodeGbkExact(const std::string& bytes);

// Nothing when the text holds a character GBK cannot represent.
std::optional<std::string> EncodeGbk(const std::wstring& text);

// Whether the text encodes without a substitute and decodes back unchanged.
// Empty text trivially does.
bool RoundTripsGbk(const std::wstring& text);

}  // namespace vantrel::win32
