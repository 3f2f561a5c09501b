#include "ui/tray/endset01.h"

#include "ui/main/Form1.h"
#include "ui/tray/un1.h"

namespace vantrel {

endset01::endset01(Application& application)
    : Form(application, L"endset01", L"退出选择", {0, 0, 4680, 2640}) {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command3.SetCancel(true);
    Add(Frame1);
    Add(Command1);
    Add(Command2);
    Add(Command3);
}

void endset01::Command1_Click() {
    // Only the window goes away; its timers keep monitoring.
    if (Form1* main = app.Find<Form1>()) main->Hide();
    app.Unload(*this);
}

void endset01::Command2_Click() { un1::ShowExitConfirmation(app); }

void endset01::Command3_Click() { app.Unload(*this); }

void endset01::Form_Unload() {
    if (Form1* main = app.Find<Form1>()) main->SetEnabled(true);
}

}  // namespace vantrel
