#include "ui/help/GY.h"

#include "ui/forms/Pictures.h"
#include "ui/help/Form5.h"
#include "ui/main/Form1.h"

namespace vantrel {

GY::GY(Application& application) : Form(application, L"GY", L"关于Vantrel", {0, 0, 7110, 4485}) {
    Bpt.SetPicture(&pictures::ButtonNormal);
    Bm.SetPicture(&pictures::ButtonHover);
    Bo.SetPicture(&pictures::ButtonPressed);
    Bauto.SetPicture(&pictures::ButtonDefault);
    for (Image* holder : {&Bpt, &Bm, &Bo, &Bauto}) holder->SetVisible(false);
    Image2.SetPicture(&pictures::AppIcon);
    Title.SetFont(kHeadingFont);
    for (Label* link : {&L1, &Label11}) {
        link->SetForeColor(kLinkColour);
        link->SetFont(kLinkFont);
        link->SetTabStop(true);
    }
    for (ImageButton* b : {&Image7, &Image8, &Image9}) b->SetPicture(Bpt.GetPicture());
    bClose1.SetPicture(Bauto.GetPicture());

    L1.Click = [this] { L1_Click(); };
    Label11.Click = [this] { Label11_Click(); };
    Label15.Click = [this] { Label15_Click(); };
    Label16.Click = [this] { Label16_Click(); };
    Label17.Click = [this] { Label17_Click(); };
    Label9.Click = [this] { Label9_Click(); };
    Label9.SetCancel(true);

    // Hover and press feedback; the surroundings put things back.
    Frame2.MouseMove = [this](const MouseArgs&) {
        L1.SetForeColor(kLinkColour);
        Label11.SetForeColor(kLinkColour);
    };
    L1.MouseMove = [this](const MouseArgs&) { L1.SetForeColor(kLinkHoverColour); };
    Label11.MouseMove = [this](const MouseArgs&) { Label11.SetForeColor(kLinkHoverColour); };
    for (ImageButton* b : {&Label15, &Label16, &Label17, &Label9}) {
        b->MouseMove = [this, b](const MouseArgs&) { b->SetPicture(Bm.GetPicture()); };
        b->MouseDown = [this, b](const MouseArgs&) { b->SetPicture(Bo.GetPicture()); };
    }
    Frame4.MouseMove = [this](const MouseArgs&) {
        for (ImageButton* b : {&Image7, &Image8, &Image9}) b->SetPicture(Bpt.GetPicture());
    };
    MouseMove = [this](const MouseArgs&) { bClose1.SetPicture(Bauto.GetPicture()); };

    for (Control* c : std::initializer_list<Control*>{
             &Frame2, &Image2, &Title, &Label5, &L1, &Label11, &Frame3, &Contact1, &Contact2,
             &Contact3, &Frame4, &Label15, &Label16, &Label17, &Label9, &Bpt, &Bm, &Bo, &Bauto})
        Add(*c);
}

void GY::L1_Click() {
    port.ShellExecute(hWnd(), L"Open", kVendorWebAddress + L"/Talvorin", L"", port.ProgramFolder(),
                      kSwShowNormal);
}

void GY::Label11_Click() {
    port.ShellExecute(hWnd(), L"Open", L"mailto:" + kVendorMailAddress, L"", port.ProgramFolder(),
                      kSwShowNormal);
}

void GY::Label15_Click() {
    Form5::Open(app, kVendorWebAddress + L"/Talvorin/download.asp?name=2", L"检查是否有新版本");
}

void GY::Label16_Click() { L1_Click(); }

void GY::Label17_Click() { Form5::Open(app, kVendorWebAddress + L"/Talvorin", L"本软件消息"); }

void GY::Label9_Click() {
    Hide();
    Form1::GiveBack(app);
}

}  // namespace vantrel
