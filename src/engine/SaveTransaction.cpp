#include "engine/SaveTransaction.h"

#include "engine/SaveJournal.h"

namespace vantrel {
namespace {

// What a file held before the save: its bytes, or nothing when it was absent.
struct Previous {
    bool existed = false;
    std::string bytes;
};

SaveOutcome Unchanged(const std::wstring& path, const std::wstring& reason) {
    return {SaveOutcome::Kind::Unchanged, path, reason, {}};
}

// Puts back the files the first `done` steps of `forward` changed. The old
// contents are staged and the journal turned round before anything moves, so
// an undo cut short is finished at the next start like a save.
bool Undo(Port& port, const std::wstring& folder, const Journal& forward, std::size_t done,
          const std::vector<std::size_t>& changeOf, const std::vector<Previous>& previous,
          std::wstring& stuck) {
    const std::wstring journalPath = InFolder(folder, kJournalName);
    if (done == 0) {
        port.RemoveFile(journalPath);  // nothing had changed yet
        return true;
    }
    Journal back;
    for (std::size_t k = 0; k < done; ++k) {
        const JournalStep& step = forward[k];
        const Previous& before = previous[changeOf[k]];
        if (before.existed) {
            const std::wstring staged = InFolder(folder, step.name) + kOldSuffix;
            if (!port.WriteBytes(staged, before.bytes).ok) {
                stuck = InFolder(folder, step.name);
                return false;
            }
            back.push_back({JournalStep::Kind::TakeOld, step.name});
        } else {
            back.push_back({JournalStep::Kind::Remove, step.name});
        }
    }
    if (!port.WriteLine(journalPath, FormatJournal(back)).ok) {
        // The forward record stays: the next start completes the save.
        stuck = InFolder(folder, forward.front().name);
        return false;
    }
    const JournalResult undone = CarryOut(port, folder, back);
    if (!undone.io.ok) {
        stuck = InFolder(folder, back[undone.failedStep].name);
        return false;
    }
    port.RemoveFile(journalPath);
    return true;
}

}  // namespace

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

SaveOutcome ReplaceTogether(Port& port, const std::vector<FileChange>& changes) {
    if (changes.empty()) return {};
    const std::wstring folder = FolderOf(changes.front().path);
    std::vector<std::wstring> names;
    for (const auto& change : changes) names.push_back(NameOf(change.path));
    const std::wstring journalPath = InFolder(folder, kJournalName);

    // A save cut short earlier is finished first, so this one starts from
    // files that belong together.
    if (!FinishInterruptedSave(port, folder, names))
        return Unchanged(journalPath, L"上一次未完成的保存无法完成");

    // Everything needed to undo is read before anything is written; a file
    // that is there but cannot be read stops the save untouched.
    std::vector<Previous> previous(changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const std::wstring& path = changes[i].path;
        if (auto bytes = port.ReadBytes(path)) {
            previous[i] = {true, std::move(*bytes)};
        } else if (const auto size = port.FileSize(path); size && *size > kMaxFileBytes) {
            return Unchanged(path, L"文件大于 16 MB，不能读取");
        } else if (port.FileExists(path)) {
            return Unchanged(path, L"文件无法读取（可能正被其他程序使用）");
        }
    }

    // Stage every new content beside its file; a full disk or a folder
    // that cannot be written stops the save here, before any file changed.
    Journal forward;
    std::vector<std::size_t> changeOf;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const FileChange& change = changes[i];
        if (change.line || change.bytes) {
            const IoResult staged =
                port.WriteBytes(change.path + kNewSuffix, change.bytes ? *change.bytes : *change.line + "\r\n");
            if (!staged.ok) {
                RemoveStaged(port, folder, names);
                return Unchanged(change.path, staged.reason);
            }
            forward.push_back({JournalStep::Kind::TakeNew, names[i]});
        } else if (previous[i].existed) {
            forward.push_back({JournalStep::Kind::Remove, names[i]});
        } else {
            continue;  // deleting what is not there is no change
        }
        changeOf.push_back(i);
    }
    if (forward.empty()) return {};

    // From the moment the record is on disk the save counts as made.
    if (const IoResult recorded = port.WriteLine(journalPath, FormatJournal(forward));
        !recorded.ok) {
        RemoveStaged(port, folder, names);
        return Unchanged(journalPath, recorded.reason);
    }
    const JournalResult done = CarryOut(port, folder, forward);
    if (!done.io.ok) {
        SaveOutcome outcome = Unchanged(changes[changeOf[done.failedStep]].path, done.io.reason);
        if (Undo(port, folder, forward, done.failedStep, changeOf, previous, outcome.stuckPath)) {
            RemoveStaged(port, folder, names);
        } else {
            outcome.kind = SaveOutcome::Kind::Mixed;
        }
        return outcome;
    }
    port.RemoveFile(journalPath);
    RemoveStaged(port, folder, names);
    return {};
}

}  // namespace vantrel
