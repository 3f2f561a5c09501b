#include "ui/tray/logo.h"

#include "ui/main/Form1.h"

namespace vantrel {

logo::logo(Application& application)
    : Form(application, L"logo", L"", {0, 0, 5535, 2970}) {
    SetBorderless(true);
    SetBackColor({192, 192, 192});
    Timer1.Tick = [this] { Timer1_Timer(); };
    Image1.Click = [this] { Image1_Click(); };
    Add(Image1);
    Add(Timer1);
}

// The main window leaves the top-most band so it does not cover the splash.
void logo::Form_Load() {
    if (Form1* main = app.Find<Form1>()) port.SetTopmost(main->hWnd(), false);
}

}  // namespace vantrel
