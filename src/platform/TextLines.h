// Splitting a text file's bytes into lines, shared by every Port implementation.
#pragma once

#include <string>
#include <vector>

namespace vantrel {

// Lines end at CR LF, at a lone CR or at a lone LF; the end of the file ends
// the last line. An empty input has no lines.
std::vector<std::string> SplitLines(const std::string& bytes);

}  // namespace vantrel
