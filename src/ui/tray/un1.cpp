#include "ui/tray/un1.h"

#include "ui/main/Form1.h"
#include "ui/tray/icon1.h"

namespace vantrel {

un1::un1(Application& application) : Form(application, L"un1", L"", {0, 0, 4200, 1800}) {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command2.SetCancel(true);
    // Tab order: "是" first, so it has the focus when the dialog opens.
    Add(Command1);
    Add(Command2);
    Add(Label1);
}

void un1::ShowExitConfirmation(Application& app) {
    un1& dialog = app.Get<un1>();
    dialog.SetCaption(L"确定退出");
    dialog.Label1.SetCaption(L"你确定要结束Vantrel吗？");
    dialog.ShowModal();
}

void un1::Command1_Click() { icon1::EndProgram(app); }

void un1::Command2_Click() { app.Unload(*this); }

void un1::Form_Unload() {
    if (Form1* main = app.Find<Form1>()) main->SetEnabled(true);
}

}  // namespace vantrel
