// Replacing several files as one: either every file takes its new content or
// every file keeps the bytes it had. Each file is replaced atomically by the
// port; when a later one fails, the earlier ones are put back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

struct FileChange {
    std::wstring path;
    std::optional<std::wstring> line;  // the new single line; nothing deletes the file
};

struct SaveOutcome {
    enum class Kind {
        Saved,      // every change is on disk
        Unchanged,  // a change failed and every file holds its previous bytes
        Mixed,      // a change failed and a file could not be put back
    } kind = Kind::Saved;
    std::wstring failedPath;  // the change that failed
    std::wstring reason;      // why, for the user
    std::wstring stuckPath;   // with Mixed: the file left with its new content
};

SaveOutcome ReplaceTogether(Port& port, const std::vector<FileChange>& changes);

}  // namespace vantrel
