#include "engine/SaveTransaction.h"

namespace vantrel {
namespace {

// What a file held before the save: its bytes, or nothing when it was absent.
struct Previous {
    bool existed = false;
    std::string bytes;
};

IoResult Apply(Port& port, const FileChange& change) {
    if (change.line) return port.WriteLine(change.path, *change.line);
    return port.RemoveFile(change.path);
}

IoResult Restore(Port& port, const std::wstring& path, const Previous& previous) {
    if (previous.existed) return port.WriteBytes(path, previous.bytes);
    return port.RemoveFile(path);
}

}  // namespace

SaveOutcome ReplaceTogether(Port& port, const std::vector<FileChange>& changes) {
    // Everything needed to undo is read before anything is written; a file
    // that is there but cannot be read stops the save untouched.
    std::vector<Previous> previous(changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const std::wstring& path = changes[i].path;
        if (auto bytes = port.ReadBytes(path)) {
            previous[i] = {true, std::move(*bytes)};
        } else if (port.FileExists(path)) {
            return {SaveOutcome::Kind::Unchanged, path, L"文件无法读取（可能正被其他程序使用）", {}};
        }
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        // Deleting what is not there is no change.
        if (!changes[i].line && !previous[i].existed) continue;
        const IoResult result = Apply(port, changes[i]);
        if (result.ok) continue;
        SaveOutcome outcome{SaveOutcome::Kind::Unchanged, changes[i].path, result.reason, {}};
        for (std::size_t k = i; k-- > 0;) {
            if (!changes[k].line && !previous[k].existed) continue;
            if (Restore(port, changes[k].path, previous[k]).ok) continue;
            outcome.kind = SaveOutcome::Kind::Mixed;
            outcome.stuckPath = changes[k].path;
        }
        return outcome;
    }
    return {};
}

}  // namespace vantrel
