// Form1's key table: reading Function.dll and Custom.dll into the choosers,
// the list and the loaded tables, and writing them back on save.
#include "ui/main/Form1.h"

namespace vantrel {

void Form1::LoadFunctionKeys() {
    const auto path = DataPath(kFunctionFile);
    if (!port.FileExists(path)) return;
    const auto lines = port.ReadLines(path);
    const std::wstring first = lines && !lines->empty() ? lines->front() : std::wstring();
    const auto fields = ParseFunctionLine(first);
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
    // An unreadable file counts as empty. Lines are joined with nothing between.
    std::wstring joined;
    if (const auto lines = port.ReadLines(path))
        for (auto& line : *lines) joined += line;
    table_.SetEntries(SplitFields(joined));
    for (auto& text : table_.EntryTexts) List1.AddItem(text);
}

void Form1::SaveTable() {
    // Both files are written before anything in the window changes, so a
    // failed save leaves the window, and the file that failed, as they were.
    std::array<std::wstring, kSlotCount> texts;
    for (int i = 0; i < kSlotCount; ++i) texts[i] = cmbChooseKey[i].Text();
    const auto functionPath = DataPath(kFunctionFile);
    IoResult result = port.WriteLine(functionPath, FormatFunctionLine(texts));
    if (!result.ok) return ReportSaveFailure(functionPath, result.reason);

    const auto customPath = DataPath(kCustomFile);
    if (List1.ListCount() == 0) {
        if (port.FileExists(customPath)) result = port.RemoveFile(customPath);
    } else {
        result = port.WriteLine(customPath, JoinFields(List1.Items()));
    }
    if (!result.ok) return ReportSaveFailure(customPath, result.reason);

    ok1.SetEnabled(true);
    cmdOk.SetPicture(Bauto.GetPicture());
    List1.Clear();
    Form_Load();
}

void Form1::ReportSaveFailure(const std::wstring& path, const std::wstring& reason) {
    port.MessageBox(hWnd(),
                    L"无法保存文件“" + path + L"”：" + reason +
                        L"\r\n\r\n设置没有保存，窗口中的修改仍然保留，可以处理后再按“保存设置”。",
                    L"提示", MbOk | MbIconExclamation);
}

}  // namespace vantrel
