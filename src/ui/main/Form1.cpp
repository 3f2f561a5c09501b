// Form1's design: its controls, their order and the wiring of their events.
#include "ui/main/Form1.h"

#include "ui/forms/Pictures.h"

namespace vantrel {

Form1::Form1(Application& application)
    : Form(application, L"Form1", L"Vantrel", {0, 0, 4200, 6300}) {
    SetBorderless(true);
    Bpt.SetPicture(&pictures::ButtonNormal);
    Bm.SetPicture(&pictures::ButtonHover);
    Bo.SetPicture(&pictures::ButtonPressed);
    Bauto.SetPicture(&pictures::ButtonDefault);
    Bef.SetPicture(&pictures::ButtonDisabled);
    for (Image* holder : {&Bpt, &Bm, &Bo, &Bauto, &Bef}) holder->SetVisible(false);
    for (Image* face : {&cmdadda, &cmddel, &cmdApply, &cmdgdi, &cmdOk, &cmdCancel})
        face->SetPicture(Bpt.GetPicture());
    Check1.SetVisible(false);
    Text4.SetVisible(false);

    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
    cmdApplyt.Click = [this] { cmdApplyt_Click(); };
    Check1.Click = [this] { Check1_Click(); };

    for (Control* c : std::initializer_list<Control*>{
             &Timer1, &Timer2, &Label13, &Label8, &Label5, &Label9, &Label10, &Label11})
        Add(*c);
    AddArray(SlotLabels);
    Add(List1);
    AddArray(cmbChooseKey);
    // Faces first, then the labels that lie over them.
    for (Control* c : std::initializer_list<Control*>{
             &cmdadda, &cmdadd, &cmddel, &cmddelt, &cmdApply, &cmdApplyt, &cmdgdi, &cmdgd,
             &cmdOk, &ok1, &cmdCancel, &cmdcancelt, &zt, &Bpt, &Bm, &Bo, &Bauto, &Bef, &Check1,
             &Text4})
        Add(*c);
}

void Form1::Check1_Click() { port.SetTopmost(hWnd(), Check1.Value() == 1); }

std::wstring Form1::DataPath(const std::wstring& relative) {
    return port.ProgramFolder() + relative;
}

}  // namespace vantrel
