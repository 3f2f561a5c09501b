// Form1's key table: reading Function.dll and Custom.dll into the choosers,
// the list and the loaded tables, and writing them back on save.
#include "engine/PreviousPair.h"
#include "engine/SaveTransaction.h"
#include "ui/main/Form1.h"

namespace vantrel {
namespace {

std::vector<SlotField> ReadFunctionFields(Port& port, const std::wstring& path) {
    const auto lines = port.ReadLines(path);
    return ParseFunctionLine(lines && !lines->empty() ? lines->front() : std::wstring());
}

// Custom.dll's lines joined with nothing between, split into entries. An
// unreadable file counts as empty.
std::vector<std::wstring> ReadEntryPieces(Port& port, const std::wstring& path) {
    std::wstring joined;
    if (const auto lines = port.ReadLines(path))
        for (auto& line : *lines) joined += line;
    return SplitFields(joined);
}

}  // namespace

void Form1::LoadFunctionKeys() {
    const auto path = DataPath(kFunctionFile);
    if (!port.FileExists(path)) return;
    const auto fields = ReadFunctionFields(port, path);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        table_.SystemKeys[i] = fields[i].code;
        cmbChooseKey[i].SetText(fields[i].shown);
    }
}

void Form1::LoadEntries() {
    const auto path = DataPath(kCustomFile);
    // No file, no entries: the monitor watches the loaded table, so a save
    // that deleted the file must not leave the old entries armed.
    if (!port.FileExists(path)) return table_.SetEntries({});
    table_.SetEntries(ReadEntryPieces(port, path));
    for (auto& text : table_.EntryTexts) List1.AddItem(text);
}

void Form1::ReloadTableOnly() {
    // The files on disk, for the monitor alone; the window keeps its edits.
    KeyTable fresh;
    const auto functionPath = DataPath(kFunctionFile);
    if (port.FileExists(functionPath)) {
        const auto fields = ReadFunctionFields(port, functionPath);
        for (std::size_t i = 0; i < fields.size(); ++i) fresh.SystemKeys[i] = fields[i].code;
    }
    const auto customPath = DataPath(kCustomFile);
    if (port.FileExists(customPath)) fresh.SetEntries(ReadEntryPieces(port, customPath));
    table_ = std::move(fresh);
}

void Form1::SaveTable() {
    // Both files change together or not at all; the window changes only
    // once they have.
    std::array<std::wstring, kSlotCount> texts;
    for (int i = 0; i < kSlotCount; ++i) texts[i] = cmbChooseKey[i].Text();
    std::vector<FileChange> changes{{DataPath(kFunctionFile), FormatFunctionLine(texts)},
                                    {DataPath(kCustomFile), std::nullopt}};
    if (List1.ListCount() > 0) changes[1].line = JoinFields(List1.Items());
    // The pair being replaced is kept in the same save, for "恢复上一次保存的设置".
    // A file that cannot be read stops the save below, with its reason.
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
