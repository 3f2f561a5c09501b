#include "engine/PreviousPair.h"

#include <optional>

#include "engine/KeyTable.h"
#include "engine/SaveJournal.h"

namespace vantrel {
namespace {

const std::wstring kFunctionName = NameOf(kFunctionFile);
const std::wstring kCustomName = NameOf(kCustomFile);

// What a file holds: its bytes, or nothing when it is absent. Unreadable
// files that are there give `readable` false.
struct Held {
    std::optional<std::string> bytes;
    bool readable = true;
};

Held HeldBy(Port& port, const std::wstring& path) {
    Held held;
    held.bytes = port.ReadBytes(path);
    if (!held.bytes && port.FileExists(path)) held.readable = false;
    return held;
}

// The earlier pair's record: which file existed; nothing when there is no
// record this program wrote.
struct Presence {
    bool function = false, custom = false;
};

std::wstring FormatRecord(Presence presence) {
    return kFunctionName + (presence.function ? L"=1," : L"=0,") + kCustomName +
           (presence.custom ? L"=1" : L"=0");
}

std::optional<Presence> ReadRecord(Port& port, const std::wstring& folder) {
    const std::wstring path = InFolder(folder, kPreviousRecord);
    if (!port.FileExists(path)) return std::nullopt;
    const auto lines = port.ReadLines(path);
    if (!lines || lines->empty()) return std::nullopt;
    for (int bits = 0; bits < 4; ++bits) {
        const Presence presence{(bits & 1) != 0, (bits & 2) != 0};
        if (lines->front() == FormatRecord(presence)) return presence;
    }
    return std::nullopt;
}

FileChange Keeping(const std::wstring& path, const Held& held) {
    FileChange change{path, std::nullopt};
    change.bytes = held.bytes;  // nothing: the kept copy goes too
    return change;
}

}  // namespace

std::vector<std::wstring> PairFileNames() {
    return {kFunctionName, kCustomName, kPreviousFunction, kPreviousCustom, kPreviousRecord};
}

bool KeepCurrentPair(Port& port, const std::wstring& folder, std::vector<FileChange>& pairChanges) {
    const Held function = HeldBy(port, InFolder(folder, kFunctionName));
    const Held custom = HeldBy(port, InFolder(folder, kCustomName));
    if (!function.readable || !custom.readable) return false;
    pairChanges.push_back(Keeping(InFolder(folder, kPreviousFunction), function));
    pairChanges.push_back(Keeping(InFolder(folder, kPreviousCustom), custom));
    // The record is plain ASCII: its bytes are its characters.
    const std::wstring record = FormatRecord({function.bytes.has_value(), custom.bytes.has_value()});
    pairChanges.push_back({InFolder(folder, kPreviousRecord), std::string(record.begin(), record.end())});
    return true;
}

bool HasPreviousPair(Port& port, const std::wstring& folder) {
    const auto presence = ReadRecord(port, folder);
    return presence && (presence->function || presence->custom);
}

SaveOutcome RestorePreviousPair(Port& port, const std::wstring& folder) {
    const std::wstring recordPath = InFolder(folder, kPreviousRecord);
    const auto presence = ReadRecord(port, folder);
    if (!presence) return {SaveOutcome::Kind::Unchanged, recordPath, L"没有上一次保存的设置", {}};
    struct Kept {
        std::wstring original, copy;
        bool existed;
    };
    const Kept kept[] = {{kFunctionName, kPreviousFunction, presence->function},
                         {kCustomName, kPreviousCustom, presence->custom}};
    std::vector<FileChange> changes;
    for (const Kept& file : kept) {
        const std::wstring copy = InFolder(folder, file.copy);
        Held held;
        if (file.existed) {
            held = HeldBy(port, copy);
            if (!held.bytes) return {SaveOutcome::Kind::Unchanged, copy, L"文件无法读取", {}};
        }
        changes.push_back(Keeping(InFolder(folder, file.original), held));
    }
    if (!KeepCurrentPair(port, folder, changes))
        return {SaveOutcome::Kind::Unchanged, InFolder(folder, kFunctionName),
                L"文件无法读取（可能正被其他程序使用）", {}};
    return ReplaceTogether(port, changes);
}

}  // namespace vantrel
