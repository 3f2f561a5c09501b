#include "ui/settings/Form3.h"

#include "engine/PreviousPair.h"
#include "ui/forms/Pictures.h"
#include "ui/main/Form1.h"

namespace vantrel {
Form3::Form3(Application& application)
    : Form(application, L"Form3", L"个性化设置", {0, 0, 6120, 3000}) {
    cmdRestore.Click = [this] { cmdRestore_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdCancel.SetCancel(true);
    // The faces light up under the mouse and rest again off them.
    for (ImageButton* button : {&cmdRestore, &cmdOK, &cmdCancel}) {
        button->MouseMove = [this, button](const MouseArgs&) {
            RestFaces();
            if (button->Enabled()) button->SetPicture(&pictures::ButtonHover);
        };
        button->MouseDown = [button](const MouseArgs&) { button->SetPicture(&pictures::ButtonPressed); };
    }
    MouseMove = [this](const MouseArgs&) { RestFaces(); };
    Frame1.MouseMove = MouseMove;
    RestFaces();
    // Tab: the boxes from the top, then the buttons from the left.
    Add(Frame1);
    AddArray(chkOption);
    for (Control* c : std::initializer_list<Control*>{&cmdRestore, &cmdOK, &cmdCancel}) Add(*c);
}

void Form3::RestFaces() {
    cmdRestore.SetPicture(cmdRestore.Enabled() ? &pictures::ButtonNormal : &pictures::ButtonDisabled);
    cmdOK.SetPicture(&pictures::ButtonDefault);
    cmdCancel.SetPicture(&pictures::ButtonNormal);
}

void Form3::Form_Load() {
    read_ = ReadOptions(port, port.ProgramFolder());
    for (std::size_t i = 0; i < kOptionCount; ++i)
        chkOption[i].SetValue(read_.On(static_cast<Option>(i)) ? 1 : 0);
    cmdRestore.SetEnabled(HasPreviousPair(port, port.ProgramFolder()));
    RestFaces();
}

void Form3::cmdRestore_Click() {
    const std::wstring folder = port.ProgramFolder();
    Form1* main = app.Find<Form1>();
    std::wstring question =
        L"要恢复上一次保存的设置吗？\r\n\r\n现在的设置会保存下来，再按一次本按钮可以换回来。";
    if (main && main->cmdApplyt.Enabled()) question += L"\r\n主配置窗口中还没有保存的修改将被放弃。";
    if (port.MessageBox(hWnd(), question, L"恢复上一次保存的设置", MbYesNo | MbIconQuestion) != kIdYes) return;
    const SaveOutcome outcome = RestorePreviousPair(port, folder);
    // A restore that failed half-way left new files on disk: the window and
    // the monitor follow them all the same.
    if (main && outcome.kind != SaveOutcome::Kind::Unchanged) {
        // The reload is a start-up, which puts the window on top; this
        // dialog is still open over it, so the window stays as it was.
        const int onTop = main->Check1.Value();
        main->ShowSavedTable();
        main->Check1.SetValue(onTop);
    }
    if (outcome.kind != SaveOutcome::Kind::Saved) {
        port.MessageBox(hWnd(),
                        L"无法恢复上一次保存的设置：文件“" + outcome.failedPath + L"”：" + outcome.reason +
                            (outcome.kind == SaveOutcome::Kind::Mixed
                                 ? L"\r\n\r\n文件“" + outcome.stuckPath + L"”已经改变，且无法恢复原样。"
                                 : std::wstring(L"\r\n\r\n设置文件都保持原样。")),
                        L"提示", MbOk | MbIconExclamation);
    } else {
        port.MessageBox(hWnd(), L"已恢复上一次保存的设置。", L"提示", MbOk | MbIconInformation);
    }
    cmdRestore.SetEnabled(HasPreviousPair(port, folder));
    RestFaces();
}

void Form3::cmdOK_Click() {
    Options chosen = read_;
    for (std::size_t i = 0; i < kOptionCount; ++i)
        chosen.Set(static_cast<Option>(i), chkOption[i].Value() == 1);
    const std::wstring folder = port.ProgramFolder();
    const IoResult saved = SaveOptions(port, folder, chosen);
    if (!saved.ok) {
        // The file keeps its bytes and the window its ticks, for another try.
        port.MessageBox(hWnd(),
                        L"无法保存文件“" + folder + kOptionsFile + L"”：" + saved.reason +
                            L"\r\n\r\n设置没有改变。",
                        L"提示", MbOk | MbIconExclamation);
        return;
    }
    if (Form1* main = app.Find<Form1>()) main->SetOptions(chosen);
    app.Unload(*this);
}

void Form3::cmdCancel_Click() { app.Unload(*this); }

void Form3::Form_Unload() { Form1::GiveBack(app); }

}  // namespace vantrel
