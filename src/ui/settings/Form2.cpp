#include "ui/settings/Form2.h"

#include "ui/forms/Pictures.h"
#include "ui/main/Form1.h"
#include "ui/settings/StartAtLogOn.h"

namespace vantrel {

Form2::Form2(Application& application) : Form(application, L"Form2", L"设置", {0, 0, 5400, 3060}) {
    b1.SetPicture(&pictures::ButtonDefault);
    b2.SetPicture(&pictures::ButtonNormal);
    b3.SetPicture(&pictures::ButtonPressed);
    b4.SetPicture(&pictures::ButtonDisabled);
    b5.SetPicture(&pictures::ButtonHover);
    for (Control* hidden : std::initializer_list<Control*>{&b1, &b2, &b3, &b4, &b5, &loadadd1})
        hidden->SetVisible(false);
    Combo1.SetText(L"F12");
    Combo1.AddItem(L"F12");
    Combo1.SetTabStop(false);
    Label3.SetForeColor(kLinkColour);
    Label3.SetFont(kLinkFont);

    y2.Click = [this] { y2_Click(); };
    n2.Click = [this] { n2_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command2.SetCancel(true);
    Label3.Click = [this] { Label3_Click(); };
    // Hover and press feedback; a disabled button takes no mouse.
    y2.MouseMove = [this](const MouseArgs&) {
        y1.SetPicture(b5.GetPicture());
        n1.SetPicture(Resting(n2));
    };
    n2.MouseMove = [this](const MouseArgs&) {
        n1.SetPicture(b5.GetPicture());
        y1.SetPicture(Resting(y2));
    };
    y2.MouseDown = [this](const MouseArgs&) { y1.SetPicture(b3.GetPicture()); };
    n2.MouseDown = [this](const MouseArgs&) { n1.SetPicture(b3.GetPicture()); };
    Frame1.MouseMove = [this](const MouseArgs&) {
        y1.SetPicture(Resting(y2));
        n1.SetPicture(Resting(n2));
    };
    MouseMove = [this](const MouseArgs&) {
        Image2.SetPicture(b1.GetPicture());
        Label3.SetForeColor(kLinkColour);
    };
    Label3.MouseMove = [this](const MouseArgs&) { Label3.SetForeColor(kLinkHoverColour); };
    Command2.MouseMove = [this](const MouseArgs&) { Image2.SetPicture(b5.GetPicture()); };
    Command2.MouseDown = [this](const MouseArgs&) { Image2.SetPicture(b3.GetPicture()); };

    for (Control* c : std::initializer_list<Control*>{&Frame1, &Label1, &y2, &n2, &Label4, &Combo1,
                                                      &Command2, &Label2, &Label3, &b1, &b2, &b3,
                                                      &b4, &b5, &loadadd1})
        Add(*c);
}

const Picture* Form2::Resting(const ImageButton& button) const {
    return (button.Enabled() ? b2 : b4).GetPicture();
}

void Form2::ShowChoice(bool yes) {
    y2.SetEnabled(!yes);
    y1.SetPicture((yes ? b4 : b2).GetPicture());
    n2.SetEnabled(yes);
    n1.SetPicture((yes ? b2 : b4).GetPicture());
}

void Form2::Form_Load() {
    loadadd1.SetText(port.ProgramFolder());
    ShowChoice(StartsAtLogOn(port, port.ProgramPath()));
    Image2.SetPicture(b1.GetPicture());
}

void Form2::Confirm(bool yes) {
    port.MessageBox(hWnd(), yes ? L"操作已确认，你的设置为“是”" : L"操作已确认，你的设置为“否”",
                    L"设置成功", MbOk | MbIconInformation);
}

void Form2::y2_Click() {
    const LogOnChange change = EnableStartAtLogOn(port, port.ProgramPath());
    if (!change.on) {
        port.MessageBox(hWnd(),
                        L"无法设置随 Windows 启动：注册表的启动项不能写入（可能没有权限）。\r\n\r\n"
                        L"设置没有改变。",
                        L"提示", MbOk | MbIconExclamation);
        return;
    }
    ShowChoice(true);
    if (change.left) return TellValueLeft(*change.left, true);
    Confirm(true);
}

void Form2::n2_Click() {
    const LogOnChange change = DisableStartAtLogOn(port, port.ProgramPath());
    if (change.on) {
        port.MessageBox(hWnd(),
                        L"无法取消随 Windows 启动：注册表的启动项不能删除（可能没有权限）。\r\n\r\n"
                        L"Vantrel 仍会随 Windows 启动。",
                        L"提示", MbOk | MbIconExclamation);
        return;
    }
    ShowChoice(false);
    if (change.left) return TellValueLeft(*change.left, false);
    Confirm(false);
}

void Form2::TellValueLeft(const RunValueLeft& left, bool yes) {
    const std::wstring where = left.root == RegRoot::LocalMachine
                                   ? L"所有用户共用的启动项（HKEY_LOCAL_MACHINE）"
                                   : L"当前用户的启动项（HKEY_CURRENT_USER）";
    port.MessageBox(hWnd(),
                    std::wstring(yes ? L"你的设置已改为“是”" : L"你的设置已改为“否”") + L"，但" + where +
                        L"中的 Vantrel 无法删除（可能没有权限），它仍是：\r\n" + left.value +
                        L"\r\n\r\n登录 Windows 时它仍会启动程序。请让有权限的用户删除它。",
                    L"提示", MbOk | MbIconExclamation);
}

void Form2::Command2_Click() { app.Unload(*this); }

void Form2::Label3_Click() {
    port.ShellExecute(hWnd(), L"Open", kVendorWebAddress, L"", port.ProgramFolder(), kSwShowNormal);
}

void Form2::Form_Unload() {
    Form1::GiveBack(app);
}

}  // namespace vantrel
