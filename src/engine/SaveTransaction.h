// Replacing several files in one folder as one: either every file takes its
// new content or every file keeps the bytes it had. The new contents are
// staged beside the files and a journal records the swap before it starts, so
// a process killed half-way leaves work the next start finishes; when a swap
// fails, the files already swapped are put back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

struct FileChange {
    std::wstring path;
    std::optional<std::string> line;  // the new single line's bytes, without CR LF; nothing deletes the file
    // Exact bytes instead of a line (a file put back as it was).
    std::optional<std::string> bytes = std::nullopt;
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

// Every change's path must lie in the same folder.
SaveOutcome ReplaceTogether(Port& port, const std::vector<FileChange>& changes);

// The folder and the file name of a path.
std::wstring FolderOf(const std::wstring& path);
std::wstring NameOf(const std::wstring& path);

}  // namespace vantrel
