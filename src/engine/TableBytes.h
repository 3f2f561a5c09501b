// Function.dll and Custom.dll as bytes. A file is split at its line ends and
// commas before anything is decoded (no GBK trail byte is below 0x40, so
// these bytes are never half of a character), and each field is decoded on
// its own. A field that is not exact GBK keeps its bytes: every byte that
// cannot be read stands in its text as one placeholder, U+DC00 plus the
// byte, which a save writes back as that very byte. The placeholders are
// lone surrogates, which no GBK text decodes to and no path the user picks
// can hold (the editor refuses what GBK cannot store).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

// The bytes before the first CR or LF.
std::string FirstLineBytes(const std::string& bytes);
// Every line, joined with nothing between (the CR and LF bytes removed).
std::string JoinedLineBytes(const std::string& bytes);
// Split at every ","; no bytes give no fields, empty fields are kept.
std::vector<std::string> SplitFieldBytes(const std::string& bytes);

// The field's text: exact GBK where it is, placeholders for the bytes that are not.
std::wstring FieldText(Port& port, const std::string& bytes);
// The fields' bytes joined with ",": each field's GBK, its placeholders as
// the bytes they stand for. Nothing when a character has no GBK bytes.
std::optional<std::string> LineBytes(Port& port, const std::vector<std::wstring>& fields);

// Why LineBytes gave nothing, for the user.
extern const wchar_t kUnencodableText[];

}  // namespace vantrel
