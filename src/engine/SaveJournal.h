// The record that lets a save of several files survive the process being
// killed half-way. While "Save.pending" lies beside the files, it lists the
// steps that bring them all to one consistent state (the new content, or
// when a save is being undone the old); every step is harmless to repeat,
// so whoever finds the record, the next start included, carries it out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Port.h"

namespace vantrel {

inline constexpr wchar_t kJournalName[] = L"Save.pending";
inline constexpr wchar_t kNewSuffix[] = L".new";  // the content a save brings
inline constexpr wchar_t kOldSuffix[] = L".old";  // the content an undo brings back

struct JournalStep {
    enum class Kind { TakeNew, TakeOld, Remove } kind;
    std::wstring name;  // the file's name in the journal's folder
    bool operator==(const JournalStep& other) const {
        return kind == other.kind && name == other.name;
    }
};
using Journal = std::vector<JournalStep>;

std::wstring FormatJournal(const Journal& journal);
// Nothing when the line is not a journal this program wrote.
std::optional<Journal> ParseJournal(const std::wstring& line);

std::wstring InFolder(const std::wstring& folder, const std::wstring& name);

// Carries out the steps in order; stops at the first that fails and says
// which one it was. A step whose staged file is gone has already been done.
struct JournalResult {
    IoResult io;
    std::size_t failedStep = 0;
};
JournalResult CarryOut(Port& port, const std::wstring& folder, const Journal& journal);

// Removes what a save staged for these files and did not use.
void RemoveStaged(Port& port, const std::wstring& folder, const std::vector<std::wstring>& names);

// Finishes a save that was interrupted in this folder, then clears what it
// staged. False when a record is there and could not be carried out; it is
// kept for the next attempt.
bool FinishInterruptedSave(Port& port, const std::wstring& folder,
                           const std::vector<std::wstring>& names);

}  // namespace vantrel
