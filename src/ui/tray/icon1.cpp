#include "ui/tray/icon1.h"

#include "ui/help/GY.h"
#include "ui/main/Form1.h"
#include "ui/settings/Form2.h"
#include "ui/tray/logo.h"
#include "ui/tray/un1.h"

namespace vantrel {

icon1::icon1(Application& application)
    : Form(application, L"icon1", L"Icon1", {0, 0, 1200, 600}) {
    xx.items = {&Set1, &icj1, &goonlook1, &stoplook1, &icj3, &ab1, &icj4, &ab2, &icj2, &e1};
    Set1.Click = [this] { Set1_Click(); };
    goonlook1.Click = [this] { goonlook1_Click(); };
    stoplook1.Click = [this] { stoplook1_Click(); };
    ab1.Click = [this] { ab1_Click(); };
    ab2.Click = [this] { ab2_Click(); };
    e1.Click = [this] { e1_Click(); };
}

void icon1::Form_Load() {
    port.AddTrayIcon(kTrayTip, [this](TrayMouse mouse) { Picture1_MouseMove(mouse); });
    Hide();
    app.SetTaskVisible(false);
    goonlook1.SetEnabled(false);
    app.Get<logo>().Show();
}

void icon1::Form_QueryUnload(int&, UnloadMode) { port.DeleteTrayIcon(); }

void icon1::Picture1_MouseMove(TrayMouse mouse) {
    // The menu opens on the right button's press and on nothing else.
    if (mouse != TrayMouse::RightDown) return;
    // Its items would act behind the dialog's back (a pause would unload the
    // window the dialog belongs to): the dialog is what needs an answer.
    if (Form* modal = app.ModalForm()) {
        port.RaiseWindow(modal->hWnd());
        return;
    }
    PopupMenuAtCursor(xx);
}

void icon1::EndProgram(Application& app) {
    // The icon goes first: ending the process runs no further handlers.
    app.Unload<icon1>();
    app.GetPort().EndProcess();
}

void icon1::SetMonitoringItems(bool monitoring) {
    for (MenuItem* item : {&Set1, &stoplook1, &ab1, &ab2, &e1}) item->SetEnabled(monitoring);
    goonlook1.SetEnabled(!monitoring);
}

void icon1::Set1_Click() { app.Get<Form1>().BringUp(); }

void icon1::stoplook1_Click() {
    // A main window that stays (its unload is under way, or refused) keeps
    // monitoring, so the menu must go on saying so.
    if (!app.Unload<Form1>()) return;
    SetMonitoringItems(false);
}

void icon1::goonlook1_Click() {
    app.Get<Form1>().Hide();
    SetMonitoringItems(true);
}

void icon1::ab1_Click() {
    app.Get<Form1>().SetEnabled(false);
    app.Get<Form2>().Show();
}

void icon1::ab2_Click() { app.Get<GY>().Show(); }

void icon1::e1_Click() { un1::ShowExitConfirmation(app); }

}  // namespace vantrel
