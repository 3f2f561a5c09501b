// Form1's key table: reading Function.dll and Custom.dll into the choosers,
// the list and the loaded tables, and writing them back on save.
#include <algorithm>

#include "engine/PreviousPair.h"
#include "engine/SaveTransaction.h"
#include "engine/TableBytes.h"
#include "ui/main/Form1.h"

namespace vantrel {
namespace {

// What a load found of an existing table file: its bytes, or why not.
struct TableRead {
    std::optional<std::string> bytes;
    bool tooLarge = false;
};

// A file past the limit is not read at all: its size is asked first.
TableRead ReadTableFile(Port& port, const std::wstring& path) {
    const auto size = port.FileSize(path);
    if (size && *size > kMaxFileBytes) return {std::nullopt, true};
    return {port.ReadBytes(path), false};
}

std::vector<SlotField> FunctionFields(Port& port, const std::string& bytes) {
    std::vector<std::wstring> fields;
    for (const auto& field : SplitFieldBytes(FirstLineBytes(bytes)))
        fields.push_back(FieldText(port, field));
    return ParseFunctionFields(fields);
}

// Custom.dll's lines joined with nothing between, split into entries.
std::vector<std::wstring> EntryPieces(Port& port, const std::string& bytes) {
    std::vector<std::wstring> pieces;
    for (const auto& field : SplitFieldBytes(JoinedLineBytes(bytes)))
        pieces.push_back(FieldText(port, field));
    return pieces;
}

std::wstring UnreadWhy(bool tooLarge) {
    return tooLarge ? L"大于 16 MB，没有读取" : L"启动时无法读取";
}

std::wstring UnreadRemedy(bool tooLarge) {
    return tooLarge ? L"请把这个文件移走或换成较小的文件，然后重新启动 Vantrel。"
                    : L"请关闭正在使用这个文件的程序，然后重新启动 Vantrel。";
}

}  // namespace

void Form1::LoadFunctionKeys() {
    const auto path = DataPath(kFunctionFile);
    unread_.erase(path);
    if (!port.FileExists(path)) return;
    const TableRead read = ReadTableFile(port, path);
    if (!read.bytes) unread_[path] = read.tooLarge;
    const auto fields = FunctionFields(port, read.bytes.value_or(std::string()));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        table_.SystemKeys[i] = fields[i].code;
        cmbChooseKey[i].SetText(fields[i].shown);
    }
}

void Form1::LoadEntries() {
    const auto path = DataPath(kCustomFile);
    unread_.erase(path);
    // No file, no entries: the monitor watches the loaded table, so a save
    // that deleted the file must not leave the old entries armed.
    if (!port.FileExists(path)) return table_.SetEntries({});
    const TableRead read = ReadTableFile(port, path);
    if (!read.bytes) unread_[path] = read.tooLarge;
    table_.SetEntries(EntryPieces(port, read.bytes.value_or(std::string())));
    for (auto& text : table_.EntryTexts) List1.AddItem(text);
}

void Form1::TellFilesTooLarge() {
    for (const auto& [path, tooLarge] : unread_) {
        if (!tooLarge || !toldTooLarge_.insert(path).second) continue;
        port.MessageBox(hWnd(),
                        L"文件“" + path + L"”大于 16 MB，Vantrel 没有读取它，其中的设置这次不起作用。"
                        L"\r\n\r\n“保存设置”不会改动或删除这个文件。" + UnreadRemedy(true),
                        L"提示", MbOk | MbIconExclamation);
    }
}

void Form1::ReloadTableOnly() {
    // The files on disk, for the monitor alone; the window keeps its edits.
    KeyTable fresh;
    const auto functionPath = DataPath(kFunctionFile);
    if (port.FileExists(functionPath)) {
        const auto fields =
            FunctionFields(port, ReadTableFile(port, functionPath).bytes.value_or(std::string()));
        for (std::size_t i = 0; i < fields.size(); ++i) fresh.SystemKeys[i] = fields[i].code;
    }
    const auto customPath = DataPath(kCustomFile);
    if (port.FileExists(customPath))
        fresh.SetEntries(EntryPieces(port, ReadTableFile(port, customPath).bytes.value_or(std::string())));
    table_ = std::move(fresh);
}

void Form1::SaveTable() {
    // Both files change together or not at all; the window changes only
    // once they have. Entries keep the bytes they were read from.
    std::array<std::wstring, kSlotCount> texts;
    for (int i = 0; i < kSlotCount; ++i) texts[i] = cmbChooseKey[i].Text();
    const auto functionFields = FunctionLineFields(texts);
    const std::wstring functionPath = DataPath(kFunctionFile), customPath = DataPath(kCustomFile);
    const std::vector<FileChange> wanted{
        {functionPath, LineBytes(port, functionFields)},
        {customPath, List1.ListCount() > 0 ? LineBytes(port, List1.Items()) : std::nullopt}};
    if (!wanted[0].line) return ReportUnencodable(functionPath);
    if (List1.ListCount() > 0 && !wanted[1].line) return ReportUnencodable(customPath);

    // A file that is there but was not read is never replaced from what
    // the window holds: it stays as it is when the window holds nothing for
    // it, and otherwise the save is refused.
    std::vector<FileChange> changes;
    for (const FileChange& change : wanted) {
        const auto unread = unread_.find(change.path);
        if (unread == unread_.end()) {
            changes.push_back(change);
            continue;
        }
        const bool holdsNothing =
            change.path == functionPath
                ? std::all_of(functionFields.begin(), functionFields.end(),
                              [](const std::wstring& f) { return f.empty() || f == kNoKey; })
                : !change.line;
        if (!holdsNothing) return RefuseToReplaceUnread(change.path, unread->second);
    }
    // The pair being replaced is kept in the same save, for "恢复上一次保存的设置"
    // (not when a file of it cannot be read: that stops the save below).
    KeepCurrentPair(port, port.ProgramFolder(), changes);
    const SaveOutcome outcome = ReplaceTogether(port, changes);
    if (outcome.kind != SaveOutcome::Kind::Saved) {
        if (outcome.kind == SaveOutcome::Kind::Mixed) ReloadTableOnly();
        return ReportSaveFailure(outcome);
    }

    ShowSavedTable();
}

void Form1::ShowSavedTable() {
    ok1.SetEnabled(true);
    cmdOk.SetPicture(Bauto.GetPicture());
    List1.Clear();
    Form_Load();
}

void Form1::RefuseToReplaceUnread(const std::wstring& path, bool tooLarge) {
    port.MessageBox(hWnd(),
                    L"无法保存文件“" + path + L"”：文件" + UnreadWhy(tooLarge) +
                        L"，保存会用窗口中的内容替换它。\r\n\r\n两个设置文件都保持原样，设置没有保存。"
                        L"窗口中的修改仍然保留。" + UnreadRemedy(tooLarge),
                    L"提示", MbOk | MbIconExclamation);
}

void Form1::ReportUnencodable(const std::wstring& path) {
    ReportSaveFailure({SaveOutcome::Kind::Unchanged, path, kUnencodableText, {}});
}

void Form1::ReportSaveFailure(const SaveOutcome& outcome) {
    const std::wstring what =
        outcome.kind == SaveOutcome::Kind::Mixed
            ? L"\r\n\r\n文件“" + outcome.stuckPath +
                  L"”已经写入新内容，且无法恢复原样；热键现在按磁盘上的文件工作。"
                  L"窗口中的修改仍然保留，请处理后再按“保存设置”。"
            : std::wstring(L"\r\n\r\n两个设置文件都保持原样，设置没有保存。窗口中的修改仍然保留，"
                           L"可以处理后再按“保存设置”。");
    port.MessageBox(hWnd(), L"无法保存文件“" + outcome.failedPath + L"”：" + outcome.reason + what,
                    L"提示", MbOk | MbIconExclamation);
}

}  // namespace vantrel
