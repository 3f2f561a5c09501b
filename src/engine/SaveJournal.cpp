#include "engine/SaveJournal.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr wchar_t kMagic[] = L"Vantrel save";
constexpr wchar_t kSeparator = L'|';  // cannot occur in a file name

const wchar_t* KindTag(JournalStep::Kind kind) {
    switch (kind) {
    case JournalStep::Kind::TakeNew:
        return L"new";
    case JournalStep::Kind::TakeOld:
        return L"old";
    case JournalStep::Kind::Remove:
        break;
    }
    return L"del";
}

std::vector<std::wstring> Split(const std::wstring& line) {
    std::vector<std::wstring> fields(1);
    for (wchar_t c : line) {
        if (c == kSeparator) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

bool IsPlainName(const std::wstring& name) {
    return !name.empty() && name != L"." && name != L".." &&
           name.find_first_of(L"\\/:") == std::wstring::npos;
}

bool NamesOnly(const Journal& journal, const std::vector<std::wstring>& names) {
    for (const auto& step : journal)
        if (std::find(names.begin(), names.end(), step.name) == names.end()) return false;
    return true;
}

}  // namespace

std::wstring FormatJournal(const Journal& journal) {
    std::wstring line = kMagic;
    for (const auto& step : journal)
        line += kSeparator + std::wstring(KindTag(step.kind)) + L':' + step.name;
    return line;
}

std::optional<Journal> ParseJournal(const std::wstring& line) {
    const auto fields = Split(line);
    if (fields[0] != kMagic) return std::nullopt;
    Journal journal;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::wstring& field = fields[i];
        if (field.size() < 4 || field[3] != L':') return std::nullopt;
        const std::wstring tag = field.substr(0, 3), name = field.substr(4);
        // Only names in the journal's own folder: a record must never reach
        // a file elsewhere.
        if (!IsPlainName(name)) return std::nullopt;
        JournalStep step{JournalStep::Kind::Remove, name};
        if (tag == L"new") step.kind = JournalStep::Kind::TakeNew;
        else if (tag == L"old") step.kind = JournalStep::Kind::TakeOld;
        else if (tag != L"del") return std::nullopt;
        journal.push_back(std::move(step));
    }
    return journal;
}

std::wstring InFolder(const std::wstring& folder, const std::wstring& name) {
    return folder + L"\\" + name;
}

JournalResult CarryOut(Port& port, const std::wstring& folder, const Journal& journal) {
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const JournalStep& step = journal[i];
        const std::wstring target = InFolder(folder, step.name);
        IoResult io;
        if (step.kind == JournalStep::Kind::Remove) {
            io = port.RemoveFile(target);
        } else {
            const std::wstring staged =
                target + (step.kind == JournalStep::Kind::TakeNew ? kNewSuffix : kOldSuffix);
            if (port.FileExists(staged)) io = port.MoveFileOver(staged, target);
        }
        if (!io.ok) return {io, i};
    }
    return {};
}

void RemoveStaged(Port& port, const std::wstring& folder, const std::vector<std::wstring>& names) {
    for (const auto& name : names) {
        const std::wstring target = InFolder(folder, name);
        // The staged contents, and what writes cut short left behind.
        const std::wstring newer = target + kNewSuffix, older = target + kOldSuffix;
        for (const std::wstring& path : {newer, older, newer + kWriteTempSuffix,
                                         older + kWriteTempSuffix, target + kWriteTempSuffix})
            if (port.FileExists(path)) port.RemoveFile(path);
    }
}

bool FinishInterruptedSave(Port& port, const std::wstring& folder,
                           const std::vector<std::wstring>& names) {
    const std::wstring journalPath = InFolder(folder, kJournalName);
    if (port.FileExists(journalPath)) {
        const auto lines = port.ReadLines(journalPath);
        if (!lines) return false;
        // A record this program did not write, or one that names any file
        // but these, is dropped, not followed.
        auto journal = lines->empty() ? std::nullopt : ParseJournal(lines->front());
        if (journal && !NamesOnly(*journal, names)) journal.reset();
        if (journal && !CarryOut(port, folder, *journal).io.ok) return false;
        if (!port.RemoveFile(journalPath).ok) return false;
    }
    // A record whose own write was cut short.
    if (port.FileExists(journalPath + kWriteTempSuffix)) port.RemoveFile(journalPath + kWriteTempSuffix);
    RemoveStaged(port, folder, names);
    return true;
}

}  // namespace vantrel
