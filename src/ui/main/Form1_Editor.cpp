// Form1's hotkey editor: the seven key choosers, the program list, adding
// and deleting entries, and the Loaded and Edited states that decide which
// of "保存设置" and "继续监视" can be pressed.
#include "ui/main/Form1.h"

#include "ui/settings/Form2.h"

namespace vantrel {
namespace {

constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;
constexpr int kAddRow = 6;

const wchar_t kOpenTitle[] = L"添加一个应用程序 — Vantrel";
const wchar_t kOpenFilter[] =
    L"所支持的文件|*.doc;*.txt;*.htm;*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma;*.exe|"
    L"音乐文件(*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma)|*.mp3;*.mid;*.asf;*.asx;*.m3u;*.wpl;*.wma|"
    L"可执行文件(*.exe)|*.exe|"
    L"其他(*.doc;*.txt;*.htm)|*.doc;*.txt;*.htm";

// Characters 5 to the end of a list line, blanks trimmed: the path it shows.
std::wstring LinePath(const std::wstring& line) {
    return line.size() < 5 ? std::wstring() : TrimBlanks(line.substr(4));
}

}  // namespace

void Form1::WireEditor() {
    for (int index = 0; index < kSlotCount; ++index) {
        auto& chooser = cmbChooseKey[index];
        chooser.SetIndex(index);
        chooser.KeyDown = [this, index](int& key, int shift) { cmbChooseKey_KeyDown(index, key, shift); };
        chooser.KeyUp = [this, index](int& key, int shift) { cmbChooseKey_KeyUp(index, key, shift); };
        chooser.ItemPicked = [this, index] { cmbChooseKey_Click(index); };
    }
    cmdadd.Click = [this] { cmdadd_Click(); };
    cmddelt.Click = [this] { cmddelt_Click(); };
    cmdApplyt.Click = [this] { cmdApplyt_Click(); };
    ok1.Click = [this] { ok1_Click(); };
    cmdgd.Click = [this] { cmdgd_Click(); };
    List1.MouseDown = [this](const MouseArgs& a) { List1_MouseDown(a); };
    List1.MouseMove = [this](const MouseArgs& a) { List1_MouseMove(a); };
}

void Form1::LockChoosers() {
    for (auto& chooser : cmbChooseKey) chooser.SetLocked(true);
}

void Form1::UnlockChoosers() {
    for (auto& chooser : cmbChooseKey) chooser.SetLocked(false);
}

void Form1::cmbChooseKey_KeyDown(int, int& keyCode, int) {
    LockChoosers();
    if (keyCode == kUpArrow || keyCode == kDownArrow) keyCode = 0;
}

void Form1::cmbChooseKey_KeyUp(int, int&, int) { UnlockChoosers(); }

void Form1::MarkEdited() {
    cmdApplyt.SetEnabled(true);
    cmdApply.SetPicture(Bauto.GetPicture());
    ok1.SetEnabled(false);
    cmdOk.SetPicture(Bef.GetPicture());
}

void Form1::cmbChooseKey_Click(int index) {
    Check1.SetValue(0);
    CheckKeyInUse(cmbChooseKey[index].Text(), index);
    MarkEdited();
    cmdCancel.SetPicture(Bpt.GetPicture());
}

void Form1::CheckKeyInUse(const std::wstring& key, int index) {
    bool clash = false;
    for (int j = 0; j < kSlotCount && !clash; ++j)
        clash = cmbChooseKey[j].Text() == key && key != kNoKey && j != index;
    // The list has no exception for "无": list lines always carry a key.
    for (const auto& line : List1.Items()) {
        if (clash) break;
        clash = TrimBlanks(line.substr(0, 3)) == key;
    }
    if (!clash) return;
    port.MessageBox(hWnd(), key + L"功能键已经定义，请选择其它功能键", L"提示",
                    MbOk | MbIconInformation);
    cmbChooseKey[index].SetText(kNoKey);
}

bool Form1::RefuseUnstorablePath(const std::wstring& path) {
    std::wstring why;
    if (path.find(L',') != std::wstring::npos)
        why = L"所选文件的路径中含有逗号“,”。Vantrel 用逗号分隔各个热键程序，"
              L"这样的路径保存后会被拆成两条。";
    else if (!port.CanStore(path))
        why = L"所选文件的路径中含有 Vantrel 的设置文件（GBK 编码）无法保存的字符。";
    else
        return false;
    port.MessageBox(hWnd(),
                    why + L"\r\n\r\n没有添加这个程序。请把文件移到或改名为不含这些字符的路径后再添加。",
                    L"提示", MbOk | MbIconExclamation);
    return true;
}

void Form1::cmdadd_Click() {
    Check1.SetValue(0);
    const std::wstring key = cmbChooseKey[kAddRow].Text();
    if (key.empty() || key == kNoKey) {
        port.MessageBox(hWnd(), L"请先为应用程序定义一个快捷键", L"提示", MbOk | MbIconInformation);
    } else {
        const std::wstring file = port.OpenFileDialog(hWnd(), kOpenTitle, kOpenFilter);
        if (!file.empty() && !RefuseUnstorablePath(file)) List1.AddItem(key + L"   " + file);
        cmbChooseKey[kAddRow].SetText(kNoKey);
    }
    MarkEdited();
}

void Form1::List1_MouseDown(const MouseArgs&) {
    const std::wstring tip = LinePath(List1.SelectedText());
    List1.SetToolTipText(tip);
    if (tip.empty()) return;
    cmddelt.SetEnabled(true);
    cmddel.SetPicture(Bpt.GetPicture());
}

void Form1::List1_MouseMove(const MouseArgs&) {
    List1.SetToolTipText(LinePath(List1.SelectedText()));
    zt.SetCaption(L"这是您已设置的热键程序");
}

void Form1::cmddelt_Click() {
    List1.RemoveItem(List1.ListIndex());
    MarkEdited();
    cmddelt.SetEnabled(false);
    cmddel.SetPicture(Bef.GetPicture());
}

void Form1::ok1_Click() {
    Hide();
    zt.SetCaption(L"");
    cmdOk.SetPicture(Bauto.GetPicture());
}

void Form1::cmdgd_Click() {
    SetEnabled(false);
    Check1.SetValue(0);
    app.Get<Form2>().Show();
}

}  // namespace vantrel
